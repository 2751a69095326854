#pragma once

#include <QNetworkRequest>

class QUrl;

// The request every call to the maker's servers sends: the browser
// User-Agent and the JSON Content-Type those servers expect. TLS keeps Qt's
// default configuration, so the peer's certificate is verified and a failed
// handshake is a failed request.
QNetworkRequest toolsRequest(const QUrl &url);

// Time-outs of the update check, the online configuration and the length
// probe of a segmented download, in milliseconds.
struct ToolsTimeouts
{
    int updateCheckMs = 10000;
    int onlineConfigMs = 5000;
    int contentLengthMs = 5000;
};

ToolsTimeouts toolsTimeouts();
// Tests only: shorter waits, so that a silent server costs little time.
void setToolsTimeoutsForTesting(const ToolsTimeouts &timeouts);
