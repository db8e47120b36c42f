// The income-tax application's definition file "QuillonDef.ini": any content
// is read without fault, and the installation check passes exactly when its
// [ProgramLevel] QL14 reads as the number 1 (the default when it is missing).
#include "FuzzCheck.h"
#include "app/AppFixture.h"
#include "app/DecimalText.h"
#include "common/Sjis.h"
#include "platform/posix/IniProfileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = fuzz::PutFile("QuillonDef.ini", fuzz::Bytes(data, size));
    const std::string path = folder + "/QuillonDef.ini";

    static AppRun run;
    run.fs.AddFile(path, "");
    run.fs.currentFolder = folder;
    ClIniProfileReader reader;
    ClExportApp app(kOrbek17Plus, {run.fs, reader, run.box, run.views, run.platform, run.platform, run.platform});
    const int usable = app.CheckInstallation(0);  // no message: nothing piles up in the engine run after run

    std::string value = reader.GetString(path, "ProgramLevel", "QL14", "1");
    value.resize(sjis::CutLength(value, 15));
    fuzz::Check(usable == (!value.empty() && DecimalValue(value) == 1 ? 1 : 0), "usable exactly when QL14 reads as 1");
    return 0;
}
