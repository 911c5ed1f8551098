#pragma once

// Which kinds of log entries are shown. Sent and read data share one switch;
// kinds outside 0..4 are never shown.
struct LogFilter
{
    bool data = true;
    bool errors = true;
    bool info = true;
    bool warnings = true;

    bool shows(int kind) const;
};
