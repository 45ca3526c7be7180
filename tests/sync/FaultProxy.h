#pragma once

// The tests' misbehaving proxy (fault_proxy.py) in front of a server port, stopped by the
// destructor. Calm() makes it pass every later request on unchanged.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

class TFaultProxy {
public:
    TFaultProxy(int ServerPort, int Seed, double FaultShare, std::string CalmFile)
        : FCalmFile(std::move(CalmFile)) {
        int Pipe[2];
        pipe(Pipe);
        FProcess = fork();
        if (FProcess == 0) {
            dup2(Pipe[1], STDOUT_FILENO);
            close(Pipe[0]);
            const std::string Script = std::string(RUXA_SYNC_TEST_DIR) + "/fault_proxy.py";
            execl("/usr/bin/python3", "python3", Script.c_str(), std::to_string(ServerPort).c_str(),
                  std::to_string(Seed).c_str(), std::to_string(FaultShare).c_str(),
                  FCalmFile.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(Pipe[1]);
        FILE* Out = fdopen(Pipe[0], "r");
        if (fscanf(Out, "%d", &FPort) != 1) {
            FPort = 0;
        }
        fclose(Out);
    }

    ~TFaultProxy() {
        kill(FProcess, SIGTERM);
        waitpid(FProcess, nullptr, 0);
    }

    int Port() const { return FPort; }
    void Calm() const { std::fclose(std::fopen(FCalmFile.c_str(), "w")); }

private:
    std::string FCalmFile;
    pid_t FProcess = 0;
    int FPort = 0;
};
