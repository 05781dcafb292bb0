// libFuzzer target of the resource compiler: any script compiles or gives an RcError (which
// names the file and line); no other exception, no crash, no hang. The script lies in a folder
// of its own beside an image file ("image.ico"), a header ("ids.h") and a folder ("folder").
#include "tools/rc/CppEmitter.h"
#include "tools/rc/RcLexer.h"
#include "tools/rc/RcParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
// The script's folder, in the folder the fuzzer runs in (each run uses it again).
std::string MakeFolder()
{
    const std::filesystem::path folder = std::filesystem::absolute("rc-fuzz-script");
    std::filesystem::create_directories(folder / "folder");
    std::ofstream(folder / "image.ico", std::ios::binary) << "not really an icon";
    std::ofstream(folder / "ids.h") << "#define IDS_ONE 1\n#define IDD_MAIN 100\n";
    return folder.string();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string folder = MakeFolder();
    const std::string path = folder + "/fuzz.rc";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    try
    {
        RcLexer lexer({folder});
        const std::vector<RcToken> tokens = lexer.Read(path);
        ResourceScript script;
        RcParser(tokens, lexer.Symbols(), script).Parse();
        CppEmitter::Emit(script, CppEmitter::Kind::BuiltIn);
    }
    catch (const RcError&)
    {
    }
    return 0;
}
