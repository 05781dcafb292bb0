#include "platform/dao/CompoundFile.h"

#include "platform/dao/WorkbookError.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace workbook
{

namespace
{

const char* const kDamaged = "Soubor není sešit aplikace Excel 8.0 nebo je poškozen.";

// Excel expects the workbook stream in the big-block part of the file (4096 bytes at least).
constexpr std::size_t kMinimumStreamSize = 4096;

// libgsf reports damaged containers as GLib warnings; the caller gets our error instead.
void QuietLog(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

void InitLibrary()
{
    static const bool done = [] {
        for (const char* domain : {"libgsf:msole", "libgsf"})
            g_log_set_handler(domain, GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO |
                                                     G_LOG_LEVEL_DEBUG | G_LOG_LEVEL_CRITICAL),
                              QuietLog, nullptr);
        return true;
    }();
    (void)done;
}

template <typename T> struct GObjectPtr
{
    T* p = nullptr;
    explicit GObjectPtr(T* object) : p(object) {}
    ~GObjectPtr()
    {
        if (p)
            g_object_unref(p);
    }
    GObjectPtr(const GObjectPtr&) = delete;
    GObjectPtr& operator=(const GObjectPtr&) = delete;
};

bool IsWorkbookStreamName(const char* name)
{
    return name && (strcasecmp(name, "Workbook") == 0 || strcasecmp(name, "Book") == 0);
}

const std::uint8_t kMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

std::uint32_t U32At(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The sectors of a compound document and its allocation table, read in place.
// Every lookup is checked against the data: a damaged document gives "no answer".
class SectorMap
{
public:
    static constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
    static constexpr std::uint32_t kLastRegular = 0xFFFFFFFA;

    SectorMap(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Load()
    {
        if (size_ < 512 || std::memcmp(data_, kMagic, sizeof kMagic) != 0)
            return false;
        const int shift = data_[0x1E] | (data_[0x1F] << 8);
        if (shift != 9 && shift != 12)
            return false;
        shift_ = shift;
        sectorSize_ = std::size_t(1) << shift;
        // The header takes the first sector's place.
        if (size_ < 2 * sectorSize_)
            return false;
        sectorCount_ = size_ / sectorSize_ - 1;
        const std::uint32_t fatCount = U32At(data_ + 0x2C);
        if (fatCount > sectorCount_)
            return false;
        for (std::size_t i = 0; i < 109 && fatSectors_.size() < fatCount; ++i)
            fatSectors_.push_back(U32At(data_ + 0x4C + 4 * i));
        // Further allocation-table sectors are listed in a chain of their own.
        std::uint32_t difat = U32At(data_ + 0x44);
        const std::size_t perDifat = sectorSize_ / 4 - 1;
        for (std::size_t steps = 0; fatSectors_.size() < fatCount; ++steps)
        {
            const std::uint8_t* sector = Sector(difat);
            if (!sector || steps > sectorCount_)
                return false;
            for (std::size_t i = 0; i < perDifat && fatSectors_.size() < fatCount; ++i)
                fatSectors_.push_back(U32At(sector + 4 * i));
            difat = U32At(sector + 4 * perDifat);
        }
        return true;
    }

    std::size_t SectorSize() const { return sectorSize_; }
    std::size_t SectorCount() const { return sectorCount_; }

    // The bytes of a sector, nullptr when it lies outside the data.
    const std::uint8_t* Sector(std::uint32_t sector) const
    {
        if (sector > kLastRegular || sector >= sectorCount_)
            return nullptr;
        return data_ + ((std::size_t(sector) + 1) << shift_);
    }

    // The sector after this one in its chain; false when the table cannot tell.
    bool Next(std::uint32_t sector, std::uint32_t& next) const
    {
        const std::size_t perSector = sectorSize_ / 4;
        const std::size_t index = sector / perSector;
        if (sector > kLastRegular || index >= fatSectors_.size())
            return false;
        const std::uint8_t* table = Sector(fatSectors_[index]);
        if (!table)
            return false;
        next = U32At(table + 4 * (sector % perSector));
        return true;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    int shift_ = 9;
    std::size_t sectorSize_ = 512;
    std::size_t sectorCount_ = 0;
    std::vector<std::uint32_t> fatSectors_;
};

// A directory entry's name (UTF-16) is "Workbook" or "Book", in any case.
bool IsWorkbookEntryName(const std::uint8_t* entry)
{
    const std::size_t bytes = entry[0x40] | (entry[0x41] << 8);
    if (bytes < 2 || bytes > 64 || bytes % 2 != 0)
        return false;
    char name[32] = {};
    for (std::size_t i = 0; i + 1 < bytes / 2; ++i)
    {
        if (entry[2 * i + 1] != 0 || entry[2 * i] == 0)
            return false;
        name[i] = static_cast<char>(entry[2 * i]);
    }
    return IsWorkbookStreamName(name);
}

} // namespace

std::span<const std::uint8_t> CompoundFile::WholeWorkbookStream(const std::uint8_t* data, std::size_t size)
{
    SectorMap sectors(data, size);
    if (!sectors.Load())
        return {};
    // The one stream of that name, in a document without storages (so it is the root's).
    int found = 0;
    std::uint32_t start = 0;
    std::uint64_t length = 0;
    std::uint32_t directory = U32At(data + 0x30);
    for (std::size_t steps = 0; directory != SectorMap::kEndOfChain; ++steps)
    {
        const std::uint8_t* sector = sectors.Sector(directory);
        if (!sector || steps > sectors.SectorCount())
            return {};
        for (std::size_t at = 0; at + 128 <= sectors.SectorSize(); at += 128)
        {
            const std::uint8_t* entry = sector + at;
            const std::uint8_t type = entry[0x42];
            if (type == 1)
                return {};
            if (type == 2 && IsWorkbookEntryName(entry))
            {
                ++found;
                start = U32At(entry + 0x74);
                // Version 3 documents may leave garbage in the high half of the size.
                length = sectors.SectorSize() == 512 ? U32At(entry + 0x78)
                                                     : U32At(entry + 0x78) | (std::uint64_t(U32At(entry + 0x7C)) << 32);
            }
        }
        if (!sectors.Next(directory, directory))
            return {};
    }
    // A short stream lives in the mini stream; a stream longer than the data is damaged.
    if (found != 1 || length < kMinimumStreamSize || length > size)
        return {};
    const std::uint64_t count = (length + sectors.SectorSize() - 1) / sectors.SectorSize();
    if (start > SectorMap::kLastRegular || start + count > sectors.SectorCount())
        return {};
    for (std::uint32_t sector = start; sector < start + count; ++sector)
    {
        std::uint32_t next = 0;
        const std::uint32_t expected = sector + 1 < start + count ? sector + 1 : SectorMap::kEndOfChain;
        if (!sectors.Next(sector, next) || next != expected)
            return {};
    }
    return {sectors.Sector(start), static_cast<std::size_t>(length)};
}

std::vector<std::uint8_t> CompoundFile::ReadWorkbookStream(const std::uint8_t* data, std::size_t size)
{
    InitLibrary();
    if (size < 512 || std::memcmp(data, kMagic, sizeof kMagic) != 0)
        throw WorkbookError(kDamaged);
    GObjectPtr<GsfInput> input(gsf_input_memory_new(data, static_cast<gsf_off_t>(size), FALSE));
    GError* error = nullptr;
    GObjectPtr<GsfInfile> ole(gsf_infile_msole_new(input.p, &error));
    if (error)
        g_error_free(error);
    if (!ole.p)
        throw WorkbookError(kDamaged);
    const int children = gsf_infile_num_children(ole.p);
    for (int i = 0; i < children; ++i)
    {
        if (!IsWorkbookStreamName(gsf_infile_name_by_index(ole.p, i)))
            continue;
        GObjectPtr<GsfInput> stream(gsf_infile_child_by_index(ole.p, i));
        if (!stream.p)
            continue;
        const gsf_off_t length = gsf_input_size(stream.p);
        // A stream cannot be longer than the file that holds it.
        if (length < 0 || static_cast<std::size_t>(length) > size)
            throw WorkbookError(kDamaged);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
        std::size_t done = 0;
        while (done < bytes.size())
        {
            const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1 << 16);
            if (!gsf_input_read(stream.p, chunk, bytes.data() + done))
                throw WorkbookError(kDamaged);
            done += chunk;
        }
        return bytes;
    }
    throw WorkbookError(kDamaged);
}

std::vector<std::uint8_t> CompoundFile::WrapWorkbookStream(const std::vector<std::uint8_t>& stream)
{
    InitLibrary();
    std::vector<std::uint8_t> padded;
    const std::vector<std::uint8_t>* body = &stream;
    if (stream.size() < kMinimumStreamSize)
    {
        padded = stream;
        padded.resize(kMinimumStreamSize, 0);
        body = &padded;
    }
    GObjectPtr<GsfOutput> memory(gsf_output_memory_new());
    {
        GObjectPtr<GsfOutfile> ole(gsf_outfile_msole_new(memory.p));
        GObjectPtr<GsfOutput> child(gsf_outfile_new_child(ole.p, "Workbook", FALSE));
        if (!child.p || !gsf_output_write(child.p, body->size(), body->data()) || !gsf_output_close(child.p) ||
            !gsf_output_close(GSF_OUTPUT(ole.p)))
            throw WorkbookError("Sešit nelze sestavit.");
    }
    const gsf_off_t length = gsf_output_size(memory.p);
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory.p));
    std::vector<std::uint8_t> result(bytes, bytes + length);
    return result;
}

} // namespace workbook
