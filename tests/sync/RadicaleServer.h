#pragma once

// A private CalDAV server for the sync tests: Debian's radicale (serve_radicale.py) on 127.0.0.1,
// on a free port, with its storage and a plain password file in a temporary folder, stopped (and
// the folder removed) by the destructor. Stop and Start keep the storage, for the tests of a server
// that goes away and comes back.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

class TRadicaleServer {
public:
    static constexpr const char* User = "alice";
    static constexpr const char* Password = "s3cret-pass";

    TRadicaleServer() {
        std::string Template =
            (std::filesystem::temp_directory_path() / "ruxa-dav-XXXXXX").string();
        if (mkdtemp(Template.data()) == nullptr) {
            throw std::runtime_error("no temporary folder");
        }
        FFolder = Template;
        FPort = FreePort();
        std::ofstream(FFolder / "users") << User << ":" << Password << "\n";
        std::ofstream(FFolder / "config")
            << "[server]\nhosts = 127.0.0.1:" << FPort << "\n"
            << "[auth]\ntype = htpasswd\nhtpasswd_filename = " << (FFolder / "users").string()
            << "\nhtpasswd_encryption = plain\n"
            << "[storage]\nfilesystem_folder = " << (FFolder / "store").string() << "\n"
            << "[rights]\ntype = owner_only\n[logging]\nlevel = warning\n";
        Start();
    }

    ~TRadicaleServer() {
        Stop();
        std::filesystem::remove_all(FFolder);
    }

    void Start() {
        FProcess = fork();
        if (FProcess == 0) {
            const std::string Config = (FFolder / "config").string();
            const std::string Log = (FFolder / "log").string();
            freopen(Log.c_str(), "a", stderr);
            freopen("/dev/null", "w", stdout);
            const std::string Launcher = std::string(RUXA_SYNC_TEST_DIR) + "/serve_radicale.py";
            execl("/usr/bin/python3", "python3", Launcher.c_str(), Config.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int Try = 0; Try < 200 && !Accepts(); ++Try) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    void Stop() {
        if (FProcess > 0) {
            kill(FProcess, SIGTERM);
            waitpid(FProcess, nullptr, 0);
            FProcess = 0;
        }
    }

    int Port() const { return FPort; }
    std::string Origin() const { return "http://127.0.0.1:" + std::to_string(FPort); }
    std::string HomeUrl() const { return Origin() + "/" + User + "/"; }

private:
    static int FreePort() {
        const int Socket = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in Address{};
        Address.sin_family = AF_INET;
        Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof Address);
        socklen_t Length = sizeof Address;
        getsockname(Socket, reinterpret_cast<sockaddr*>(&Address), &Length);
        close(Socket);
        return ntohs(Address.sin_port);
    }

    bool Accepts() const {
        const int Socket = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in Address{};
        Address.sin_family = AF_INET;
        Address.sin_port = htons(static_cast<std::uint16_t>(FPort));
        Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool Connected =
            connect(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof Address) == 0;
        close(Socket);
        return Connected;
    }

    std::filesystem::path FFolder;
    int FPort = 0;
    pid_t FProcess = 0;
};
