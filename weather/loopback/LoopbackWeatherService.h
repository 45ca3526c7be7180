#pragma once

// A stand-in for the weather-widget service on 127.0.0.1, for tests, benchmarks and
// screenshots: it serves one page for every request, after an optional delay, and keeps
// the request targets (path and query string) it received.

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

class TLoopbackWeatherService : public QObject {
    Q_OBJECT

public:
    explicit TLoopbackWeatherService(QByteArray Page, QObject* Parent = nullptr);

    // "127.0.0.1:<port>"; empty when no port could be opened.
    QString Host() const;
    void SetDelay(int Milliseconds) { FDelayMs = Milliseconds; }
    // The request targets in arrival order, e.g. "/weather/weather.aspx?uid=&...".
    const QStringList& Targets() const { return FTargets; }

private:
    void Accept();
    void Read(QTcpSocket* Client);
    void Respond(QTcpSocket* Client);

    QTcpServer FServer;
    QByteArray FPage;
    int FDelayMs = 0;
    QStringList FTargets;
};

// A light page (background #F8F8FC) with one dark block (#204080) of 40 x 30 pixels at
// (50, 100), and tall enough to be scrolled.
QByteArray TestWeatherPage();

// A forecast widget page that looks like the real one: a city, today and five days.
QByteArray SampleWeatherPage();
