#include "platform/net/HttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <mutex>

namespace platform {

namespace {

void InitialiseCurlOnce() {
    static std::once_flag Once;
    std::call_once(Once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t CollectBody(char* Data, size_t Size, size_t Count, void* Target) {
    static_cast<std::string*>(Target)->append(Data, Size * Count);
    return Size * Count;
}

std::string Trimmed(std::string Text) {
    const auto Blank = [](unsigned char C) { return std::isspace(C) != 0; };
    while (!Text.empty() && Blank(static_cast<unsigned char>(Text.back()))) {
        Text.pop_back();
    }
    const auto First = std::find_if_not(Text.begin(), Text.end(), Blank);
    return std::string(First, Text.end());
}

size_t CollectHeader(char* Data, size_t Size, size_t Count, void* Target) {
    auto& Headers = *static_cast<std::map<std::string, std::string>*>(Target);
    const std::string Line(Data, Size * Count);
    if (Line.starts_with("HTTP/")) {
        Headers.clear(); // a new answer after a redirection or a 100 Continue
    }
    const auto Colon = Line.find(':');
    if (Colon != std::string::npos) {
        std::string Name = Line.substr(0, Colon);
        std::transform(Name.begin(), Name.end(), Name.begin(),
                       [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
        Headers[Name] = Trimmed(Line.substr(Colon + 1));
    }
    return Size * Count;
}

} // namespace

std::string THttpResponse::Header(const std::string& LowerName) const {
    const auto Found = Headers.find(LowerName);
    return Found == Headers.end() ? std::string() : Found->second;
}

struct THttpClient::TState {
    CURL* Curl = nullptr;
    THttpLogin Login;
    long ConnectSeconds = 0;
    long AnswerSeconds = 0;
};

THttpClient::THttpClient(THttpLogin Login, long ConnectSeconds, long AnswerSeconds)
    : FState(std::make_unique<TState>()) {
    InitialiseCurlOnce();
    FState->Curl = curl_easy_init();
    FState->Login = std::move(Login);
    FState->ConnectSeconds = ConnectSeconds;
    FState->AnswerSeconds = AnswerSeconds;
}

THttpClient::~THttpClient() {
    if (FState->Curl != nullptr) {
        curl_easy_cleanup(FState->Curl);
    }
}

THttpResponse THttpClient::Send(const THttpRequest& Request) {
    THttpResponse Response;
    CURL* Curl = FState->Curl;
    if (Curl == nullptr) {
        Response.Error = "无法初始化网络连接";
        return Response;
    }
    curl_easy_reset(Curl);
    curl_easy_setopt(Curl, CURLOPT_URL, Request.Url.c_str());
    curl_easy_setopt(Curl, CURLOPT_CUSTOMREQUEST, Request.Method.c_str());
    curl_easy_setopt(Curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(Curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(Curl, CURLOPT_CONNECTTIMEOUT, FState->ConnectSeconds);
    curl_easy_setopt(Curl, CURLOPT_TIMEOUT, FState->AnswerSeconds);
    if (Request.Method == "HEAD") {
        curl_easy_setopt(Curl, CURLOPT_NOBODY, 1L);
    }
    if (!Request.Body.empty() || Request.Method == "PUT") {
        curl_easy_setopt(Curl, CURLOPT_POSTFIELDS, Request.Body.data());
        curl_easy_setopt(Curl, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(Request.Body.size()));
    }
    if (!FState->Login.User.empty()) {
        curl_easy_setopt(Curl, CURLOPT_HTTPAUTH, CURLAUTH_BASIC | CURLAUTH_DIGEST);
        curl_easy_setopt(Curl, CURLOPT_USERNAME, FState->Login.User.c_str());
        curl_easy_setopt(Curl, CURLOPT_PASSWORD, FState->Login.Password.c_str());
    }
    curl_slist* Headers = curl_slist_append(nullptr, "Expect:");
    for (const auto& [Name, Value] : Request.Headers) {
        Headers = curl_slist_append(Headers, (Name + ": " + Value).c_str());
    }
    curl_easy_setopt(Curl, CURLOPT_HTTPHEADER, Headers);
    curl_easy_setopt(Curl, CURLOPT_WRITEFUNCTION, CollectBody);
    curl_easy_setopt(Curl, CURLOPT_WRITEDATA, &Response.Body);
    curl_easy_setopt(Curl, CURLOPT_HEADERFUNCTION, CollectHeader);
    curl_easy_setopt(Curl, CURLOPT_HEADERDATA, &Response.Headers);
    const CURLcode Result = curl_easy_perform(Curl);
    curl_slist_free_all(Headers);
    if (Result != CURLE_OK) {
        Response.Error = curl_easy_strerror(Result);
        Response.Headers.clear();
        Response.Body.clear();
        return Response;
    }
    long Status = 0;
    curl_easy_getinfo(Curl, CURLINFO_RESPONSE_CODE, &Status);
    Response.Status = static_cast<int>(Status);
    return Response;
}

} // namespace platform
