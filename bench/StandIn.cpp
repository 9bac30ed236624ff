// Stands in for the encoder in bench_standin, costing next to nothing: it answers -version with
// the real encoder's text (from the file in STANDIN_VERSION), copies its input to its output
// (the last argument) when converting, with the lines by which the encoder tells it began and
// how far it came (the clips are half a second), says nothing when only looked through
// (-f null), and adds its own CPU time to the file in STANDIN_CPU.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

void CopyFile(const char* from, const char* to) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
}

void TellCpu() {
    const char* file = std::getenv("STANDIN_CPU");
    rusage usage{};
    if (!file || ::getrusage(RUSAGE_SELF, &usage) != 0) {
        return;
    }
    std::ofstream out(file, std::ios::app);
    out << usage.ru_utime.tv_sec * 1000000L + usage.ru_utime.tv_usec +
               usage.ru_stime.tv_sec * 1000000L + usage.ru_stime.tv_usec
        << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* input = nullptr;
    bool toNowhere = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-version") == 0) {
            const char* text = std::getenv("STANDIN_VERSION");
            std::ifstream version(text ? text : "");
            std::cout << version.rdbuf();
            TellCpu();
            return 0;
        }
        if (std::strcmp(argv[i], "-i") == 0 && i + 1 < argc && !input) {
            input = argv[i + 1];
        }
        if (std::strcmp(argv[i], "null") == 0) {
            toNowhere = true;
        }
    }
    if (input && !toNowhere && argc > 2) {
        std::cerr << "Press [q] to stop, [?] for help\n";
        CopyFile(input, argv[argc - 1]);
        std::cerr << "frame=   12 fps=0.0 q=-1.0 Lsize=       9kB time=00:00:00.50 "
                     "bitrate= 150.0kbits/s speed=  10x\n";
    }
    TellCpu();
    return 0;
}
