#include "pollchannel.h"

#include "pollhub.h"

PollChannel::PollChannel(PollHub *hub, int endpoint, QObject *parent)
    : QObject(parent)
    , m_hub(hub)
    , m_endpoint(endpoint)
{
}

PollChannel::~PollChannel()
{
    if (m_hub)
        m_hub->leave(this);
}

void PollChannel::request(int acceptAgeMs)
{
    if (m_hub)
        m_hub->join(this, false, acceptAgeMs);
}

void PollChannel::restart()
{
    if (m_hub)
        m_hub->join(this, true, 0);
}

void PollChannel::abandon()
{
    if (m_hub)
        m_hub->leave(this);
}
