#include "weather/loopback/LoopbackWeatherService.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

TLoopbackWeatherService::TLoopbackWeatherService(QByteArray Page, QObject* Parent)
    : QObject(Parent), FPage(std::move(Page)) {
    FServer.listen(QHostAddress::LocalHost, 0);
    connect(&FServer, &QTcpServer::newConnection, this, &TLoopbackWeatherService::Accept);
}

QString TLoopbackWeatherService::Host() const {
    if (!FServer.isListening()) {
        return {};
    }
    return QStringLiteral("127.0.0.1:%1").arg(FServer.serverPort());
}

void TLoopbackWeatherService::Accept() {
    while (QTcpSocket* Client = FServer.nextPendingConnection()) {
        connect(Client, &QTcpSocket::readyRead, this, [this, Client] { Read(Client); });
        connect(Client, &QTcpSocket::disconnected, Client, &QObject::deleteLater);
    }
}

void TLoopbackWeatherService::Read(QTcpSocket* Client) {
    if (Client->property("answered").toBool() || !Client->canReadLine()) {
        return;
    }
    // Only the request line matters: "GET <target> HTTP/1.1".
    const QList<QByteArray> RequestLine = Client->readLine().trimmed().split(' ');
    if (RequestLine.size() < 2) {
        Client->disconnectFromHost();
        return;
    }
    Client->setProperty("answered", true);
    FTargets.append(QString::fromLatin1(RequestLine[1]));
    QTimer::singleShot(FDelayMs, Client, [this, Client] { Respond(Client); });
}

void TLoopbackWeatherService::Respond(QTcpSocket* Client) {
    QByteArray Response = "HTTP/1.1 200 OK\r\n"
                          "Content-Type: text/html; charset=utf-8\r\n"
                          "Cache-Control: no-store\r\n"
                          "Connection: close\r\n"
                          "Content-Length: " +
                          QByteArray::number(FPage.size()) + "\r\n\r\n";
    Response += FPage;
    Client->write(Response);
    Client->disconnectFromHost();
}

QByteArray TestWeatherPage() {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head>"
           "<body style=\"margin:0;background:#F8F8FC;height:800px\">"
           "<div style=\"position:absolute;left:50px;top:100px;width:40px;height:30px;"
           "background:#204080\"></div></body></html>";
}

QByteArray SampleWeatherPage() {
    return R"(<!DOCTYPE html><html><head><meta charset="utf-8"><style>
body { margin: 0; background: #FFFFFF; font: 13px "WenQuanYi Micro Hei", sans-serif;
       color: #1F3550; height: 420px; }
.top { height: 23px; }
.city { font-size: 18px; font-weight: bold; margin: 6px 12px 0; }
.now { display: flex; align-items: center; margin: 4px 12px 6px; }
.sun { width: 44px; height: 44px; border-radius: 50%; background: #F2A516;
       box-shadow: 0 0 0 5px #F7CD6B; margin-right: 16px; }
.temp { font-size: 34px; font-weight: bold; color: #17406D; }
.desc { margin-left: 10px; line-height: 18px; }
.day { display: flex; justify-content: space-between; align-items: center;
       margin: 0 12px; padding: 7px 0; border-top: 1px solid #7D93AD; }
.icon { width: 16px; height: 16px; border-radius: 50%; display: inline-block;
        vertical-align: middle; margin-right: 6px; }
.sunny { background: #F2A516; } .cloudy { background: #6F8297; }
.rain { background: #2D6CB5; border-radius: 0 50% 50% 50%; transform: rotate(45deg); }
.hi { color: #B0351F; font-weight: bold; } .lo { color: #1D5FA8; font-weight: bold; }
</style></head><body><div class="top"></div>
<div class="city">北京</div>
<div class="now"><div class="sun"></div><div class="temp">3°</div>
<div class="desc">晴<br>北风 3级<br>湿度 28%</div></div>
<div class="day"><span><i class="icon sunny"></i>今天 晴</span><span><b class="hi">6°</b> / <b class="lo">-5°</b></span></div>
<div class="day"><span><i class="icon cloudy"></i>明天 多云</span><span><b class="hi">4°</b> / <b class="lo">-6°</b></span></div>
<div class="day"><span><i class="icon sunny"></i>周六 晴</span><span><b class="hi">5°</b> / <b class="lo">-7°</b></span></div>
<div class="day"><span><i class="icon rain"></i>周日 小雪</span><span><b class="hi">1°</b> / <b class="lo">-8°</b></span></div>
<div class="day"><span><i class="icon cloudy"></i>周一 阴</span><span><b class="hi">2°</b> / <b class="lo">-6°</b></span></div>
<div class="day"><span>空气质量 良</span><span>紫外线 弱</span></div>
</body></html>)";
}
