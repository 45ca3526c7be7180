#pragma once

// The online check: one ICMP echo request to a host, and the host name look-up it needs.

#include <QString>

// Writes the first IPv4 address of Host as dotted text ("%d.%d.%d.%d", first byte first)
// into Ip. When the name can't be resolved Ip is left as it was passed.
void ResolveHostIP(const QString& Host, QString& Ip);

// Sends the echo request "Hi, OnLine?" (11 bytes, time to live 64) to Host and waits up
// to 200 ms for its reply. Result becomes "OK" when the reply arrived and "Failed" when
// none came or the host can't be resolved; it is left as it was passed when no ICMP
// socket can be opened, and nothing is sent then.
void CheckOnline(const QString& Host, QString& Result);

inline const QString OnlineCheckOk = QStringLiteral("OK");
inline const QString OnlineCheckFailed = QStringLiteral("Failed");
