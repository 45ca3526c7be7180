#pragma once

// HTTP requests over libcurl for the notes sync: one connection kept between requests, the
// server's answer delivered whole. Blocking: callers that serve a window run it on a worker
// thread.

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {

struct THttpRequest {
    std::string Method = "GET";
    std::string Url;
    std::vector<std::pair<std::string, std::string>> Headers;
    std::string Body;
};

struct THttpResponse {
    // 0 when no answer came (no connection, a timeout, a broken transfer); Error says why.
    int Status = 0;
    std::string Error;
    // Header names in lower case; the last one of a name wins.
    std::map<std::string, std::string> Headers;
    std::string Body;

    std::string Header(const std::string& LowerName) const;
};

struct THttpLogin {
    std::string User;
    std::string Password;
};

class THttpClient {
public:
    // Seconds to wait for a connection and for the whole of one answer.
    explicit THttpClient(THttpLogin Login = {}, long ConnectSeconds = 10, long AnswerSeconds = 60);
    ~THttpClient();
    THttpClient(const THttpClient&) = delete;
    THttpClient& operator=(const THttpClient&) = delete;

    THttpResponse Send(const THttpRequest& Request);

private:
    struct TState;
    std::unique_ptr<TState> FState;
};

} // namespace platform
