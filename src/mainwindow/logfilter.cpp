#include "logfilter.h"

#include "logentry.h"

bool LogFilter::shows(int kind) const
{
    switch (kind) {
    case LogEntry::Info:
        return info;
    case LogEntry::Warning:
        return warnings;
    case LogEntry::Error:
        return errors;
    case LogEntry::Send:
    case LogEntry::Read:
        return data;
    default:
        return false;
    }
}
