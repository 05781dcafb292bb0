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

} // namespace

std::vector<std::uint8_t> CompoundFile::ReadWorkbookStream(const std::uint8_t* data, std::size_t size)
{
    InitLibrary();
    static const std::uint8_t kMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
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
