#include "weather/loopback/EchoStandIn.h"

#include "platform/IcmpEcho.h"

#include <memory>

namespace {

class TEchoStandIn : public platform::TEchoSocket {
public:
    explicit TEchoStandIn(bool Answer) : FAnswer(Answer) {}
    bool Echo(const platform::TEchoRequest&) override { return FAnswer; }

private:
    bool FAnswer;
};

} // namespace

void AnswerEcho(bool Answer) {
    platform::SetEchoSocketOpener([Answer] { return std::make_unique<TEchoStandIn>(Answer); });
}
