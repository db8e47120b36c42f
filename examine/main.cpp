// orbek-inspect: reads an export, shows it and checks it (see Examine.h).
#include <clocale>
#include <new>

#include "examine/Examine.h"
#include "services/StdText.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    StRUN run;
    try {
        run = RunInspect(ArgumentsUtf8(argc, argv));
    } catch (const std::bad_alloc&) {
        run = {2, "", "メモリが足りません\n"};
    }
    const bool shown = WriteStdText(EnStdStream::Out, run.out);
    WriteStdText(EnStdStream::Err, run.err);
    return shown ? run.status : 2;
}
