#pragma once

#include <string>

namespace jet
{

// A workbook file built in several steps and written once, whole: while it is held, each
// write of it stays in memory (the bytes it would write), and the next open of it reads
// them as it would read the file. Write puts the last of them into the file, atomically.
// What is not written when the hold ends is forgotten.
class HeldWorkbook
{
public:
    explicit HeldWorkbook(std::string path);
    ~HeldWorkbook();
    HeldWorkbook(const HeldWorkbook&) = delete;
    HeldWorkbook& operator=(const HeldWorkbook&) = delete;

    // Throws JetError when the file cannot be written; it is then as it was.
    void Write();

private:
    std::string path_;
};

} // namespace jet
