#include "platform/net/SecretStore.h"

#include <libsecret/secret.h>

namespace platform {

namespace {

const SecretSchema* SyncSchema() {
    static const SecretSchema Schema = {"org.ruxa.Calendar.Sync",
                                        SECRET_SCHEMA_NONE,
                                        {
                                            {"server", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING},
                                        },
                                        0,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr};
    return &Schema;
}

std::string TakeError(GError* Fault) {
    std::string Text = Fault->message != nullptr ? Fault->message : "";
    g_error_free(Fault);
    return "无法使用密钥环：" + Text;
}

} // namespace

std::optional<std::string> LookupPassword(const TSecretKey& Key, std::string& Error) {
    GError* Fault = nullptr;
    gchar* Found =
        secret_password_lookup_sync(SyncSchema(), nullptr, &Fault, "server", Key.Server.c_str(),
                                    "user", Key.User.c_str(), nullptr);
    if (Fault != nullptr) {
        Error = TakeError(Fault);
        return std::nullopt;
    }
    if (Found == nullptr) {
        return std::nullopt;
    }
    std::string Password = Found;
    secret_password_free(Found);
    return Password;
}

bool StorePassword(const TSecretKey& Key, const std::string& Password, std::string& Error) {
    GError* Fault = nullptr;
    const std::string Label = "万年历便签同步 " + Key.User + "@" + Key.Server;
    const gboolean Stored = secret_password_store_sync(
        SyncSchema(), SECRET_COLLECTION_DEFAULT, Label.c_str(), Password.c_str(), nullptr, &Fault,
        "server", Key.Server.c_str(), "user", Key.User.c_str(), nullptr);
    if (Fault != nullptr) {
        Error = TakeError(Fault);
        return false;
    }
    return Stored != FALSE;
}

bool ClearPassword(const TSecretKey& Key, std::string& Error) {
    GError* Fault = nullptr;
    secret_password_clear_sync(SyncSchema(), nullptr, &Fault, "server", Key.Server.c_str(), "user",
                               Key.User.c_str(), nullptr);
    if (Fault != nullptr) {
        Error = TakeError(Fault);
        return false;
    }
    return true;
}

} // namespace platform
