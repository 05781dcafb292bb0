// Linked into every target of a sanitizer build. The leak checker leaves alone what the
// system's libraries keep until exit: fontconfig's font caches, which every program that
// draws text fills, and libgsf's buffers on damaged containers.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libgsf-1.so\n";
}
