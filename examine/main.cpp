// orbek-inspect: reads an export, shows it and checks it (see Examine.h).
#include <clocale>
#include <cstdio>
#include <new>

#include "examine/Examine.h"
#include "examine/Terminal.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> args(argv + 1, argv + argc);
    StRUN run;
    try {
        run = RunInspect(args);
    } catch (const std::bad_alloc&) {
        run = {2, "", "メモリが足りません\n"};
    }
    const std::string out = ToTerminal(run.out), err = ToTerminal(run.err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    return std::fflush(stdout) == 0 ? run.status : 2;
}
