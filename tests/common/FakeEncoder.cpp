// A stand-in for the encoder. It plays the scenario file named after -i, one command per line:
//   print TEXT      write TEXT to standard output (\r \n \t \\ are escapes)
//   stderr TEXT     the same on standard error
//   bytes N C       write N copies of the character C
//   sleep MS        pause
//   starved MS      pause, when run at the lowest priority (nice 19): a busy machine's share
//   output N        write N bytes into the output file (the last argument)
//   args            print each argument as "arg[i]=<value>" on its own line
//   pid             print "pid=<process id>"
//   exit CODE       end with that exit code
// Without a readable scenario it answers like the encoder does for a missing file.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

namespace {

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 'r' ? '\r' : next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

void Write(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string scenario;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "-i") {
            scenario = argv[i + 1];
            break;
        }
    }
    const std::string output = argc > 3 ? argv[argc - 1] : std::string();
    std::ifstream in(scenario);
    if (!in) {
        Write(2, scenario + ": No such file or directory\n");
        return 1;
    }
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t blank = line.find(' ');
        const std::string command = line.substr(0, blank);
        const std::string rest =
            blank == std::string::npos ? std::string() : line.substr(blank + 1);
        if (command == "print") {
            Write(1, Unescape(rest));
        } else if (command == "stderr") {
            Write(2, Unescape(rest));
        } else if (command == "bytes") {
            const std::size_t space = rest.find(' ');
            const long count = std::stol(rest.substr(0, space));
            const char c = space == std::string::npos ? 'x' : rest[space + 1];
            Write(1, std::string(static_cast<std::size_t>(count), c));
        } else if (command == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::stol(rest)));
        } else if (command == "starved") {
            if (::getpriority(PRIO_PROCESS, 0) >= 19) {
                std::this_thread::sleep_for(std::chrono::milliseconds(std::stol(rest)));
            }
        } else if (command == "output") {
            std::ofstream(output, std::ios::binary) << std::string(std::stoul(rest), 'v');
        } else if (command == "args") {
            for (int i = 0; i < argc; ++i) {
                Write(1, "arg[" + std::to_string(i) + "]=" + argv[i] + "\n");
            }
        } else if (command == "pid") {
            Write(1, "pid=" + std::to_string(::getpid()) + "\n");
        } else if (command == "exit") {
            return std::stoi(rest);
        }
    }
    return 0;
}
