// Stands in for an encoder that floods its console: it says encoding has begun, writes the
// number of megabytes given in its environment as progress lines, writes a small output file
// (its last argument) and ends well.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

void Write(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(1, text.data() + done, text.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* megabytes = std::getenv("FLOOD_MB");
    const long long total = (megabytes ? std::atoll(megabytes) : 50) * 1024 * 1024;
    Write("Press [q] to stop, [?] for help\n");
    const std::string line =
        "frame=  100 fps= 25 q=2.0 size=    1024kB time=00:00:01.00 bitrate=1000.0kbits/s "
        "speed=1.00x    \r";
    std::string block;
    while (block.size() < 64 * 1024) {
        block += line;
    }
    for (long long written = 0; written < total; written += static_cast<long long>(block.size())) {
        Write(block);
    }
    Write("\nvideo:1024kB audio:0kB subtitle:0kB other streams:0kB muxing overhead: 0.1%\n");
    if (argc > 1) {
        std::ofstream(argv[argc - 1], std::ios::binary) << std::string(4096, 'v');
    }
    return 0;
}
