#include "platform/dao/CDaoRecordset.h"

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/DaoCall.h"
#include "platform/dao/DaoValue.h"
#include "platform/dao/JetDatabase.h"

#include <algorithm>

namespace
{
constexpr long kErrInvalidArgument = 3001;
constexpr long kErrUpdateWithoutEdit = 3020;
} // namespace

CDaoRecordset::CDaoRecordset(CDaoDatabase* database) : m_pDatabase(database) {}

CDaoRecordset::~CDaoRecordset() = default;

void CDaoRecordset::Open(CDaoQueryDef* queryDef, int /*openType*/, int /*options*/)
{
    if (m_rows)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Sada záznamů je již otevřena.");
    if (!queryDef || !queryDef->IsOpen() || !queryDef->m_pDatabase)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Dotaz není připraven.");
    jet::Database& engine = queryDef->m_pDatabase->Engine();
    const std::string sql = queryDef->GetSQL().str();
    m_rows = DaoCall([&] { return engine.Open(sql); });
    m_pDatabase = queryDef->m_pDatabase;
    m_position = m_rows->Count() > 0 ? 0 : -1;
    m_lastModified = -1;
    m_editMode = EditMode::None;
    m_buffer.clear();
}

void CDaoRecordset::Close()
{
    m_rows.reset();
    m_position = -1;
    m_lastModified = -1;
    m_editMode = EditMode::None;
    m_buffer.clear();
}

jet::Recordset& CDaoRecordset::Rows() const
{
    if (!m_rows)
        AfxThrowDaoException(jet::kErrInvalidOperation, "Sada záznamů není otevřena.");
    return *m_rows;
}

void CDaoRecordset::RequireCurrent() const
{
    if (m_position < 0 || m_position >= Rows().Count())
        AfxThrowDaoException(jet::kErrNoCurrentRecord, "Není vybrán žádný záznam.");
}

BOOL CDaoRecordset::IsEOF() const
{
    return m_position < 0 || m_position >= Rows().Count();
}

void CDaoRecordset::MoveFirst()
{
    if (Rows().Count() == 0)
        AfxThrowDaoException(jet::kErrNoCurrentRecord, "Sada záznamů je prázdná.");
    m_position = 0;
}

void CDaoRecordset::MoveLast()
{
    if (Rows().Count() == 0)
        AfxThrowDaoException(jet::kErrNoCurrentRecord, "Sada záznamů je prázdná.");
    m_position = Rows().Count() - 1;
}

long CDaoRecordset::GetRecordCount() const
{
    return Rows().Count();
}

long CDaoRecordset::GetAbsolutePosition() const
{
    return IsEOF() ? -1 : m_position;
}

void CDaoRecordset::SetAbsolutePosition(long position)
{
    if (position < 0 || position >= Rows().Count())
        AfxThrowDaoException(kErrInvalidArgument, "Záznam č. " + CString(std::to_string(position)) + " v sadě není.");
    m_position = static_cast<int>(position);
}

short CDaoRecordset::GetFieldCount() const
{
    return static_cast<short>(Rows().Fields().size());
}

int CDaoRecordset::FieldIndex(LPCTSTR name) const
{
    const std::vector<jet::Field>& fields = Rows().Fields();
    for (int i = 0; i < static_cast<int>(fields.size()); ++i)
        if (CString(fields[i].name).CompareNoCase(name ? name : "") == 0)
            return i;
    AfxThrowDaoException(jet::kErrFieldNotFound, "Sloupec „" + CString(name ? name : "") + "“ v sadě záznamů není.");
}

COleVariant CDaoRecordset::GetFieldValue(int index)
{
    jet::Recordset& rows = Rows();
    if (index < 0 || index >= static_cast<int>(rows.Fields().size()))
        AfxThrowDaoException(jet::kErrFieldNotFound, "Sloupec č. " + CString(std::to_string(index)) + " v sadě záznamů není.");
    if (m_editMode != EditMode::None)
        if (const auto buffered = m_buffer.find(index); buffered != m_buffer.end())
            return buffered->second.value;
    if (m_editMode == EditMode::AddNew)
    {
        COleVariant null;
        null.vt = VT_NULL;
        return null;
    }
    RequireCurrent();
    const jet::Value value = DaoCall([&] { return rows.Get(m_position, index); });
    return VariantOfValue(value, rows.Fields()[index].type);
}

COleVariant CDaoRecordset::GetFieldValue(LPCTSTR name)
{
    return GetFieldValue(FieldIndex(name));
}

COleVariant CDaoRecordset::GetFieldValueAsStored(int index)
{
    jet::Recordset& rows = Rows();
    if (index < 0 || index >= static_cast<int>(rows.Fields().size()))
        AfxThrowDaoException(jet::kErrFieldNotFound, "Sloupec č. " + CString(std::to_string(index)) + " v sadě záznamů není.");
    RequireCurrent();
    const jet::Value value = DaoCall([&] { return rows.GetStored(m_position, index); });
    return VariantOfValue(value, jet::kDouble);
}

void CDaoRecordset::SetFieldValueAsStored(int index, const COleVariant& value)
{
    Buffer(index, value, true);
}

void CDaoRecordset::SetFieldValue(int index, const COleVariant& value)
{
    Buffer(index, value, false);
}

void CDaoRecordset::Buffer(int index, const COleVariant& value, bool asStored)
{
    jet::Recordset& rows = Rows();
    if (index < 0 || index >= static_cast<int>(rows.Fields().size()))
        AfxThrowDaoException(jet::kErrFieldNotFound, "Sloupec č. " + CString(std::to_string(index)) + " v sadě záznamů není.");
    if (m_editMode == EditMode::None)
        AfxThrowDaoException(kErrUpdateWithoutEdit, "Hodnotu lze změnit jen po Edit nebo AddNew.");
    ValueOfVariant(value); // a type no field can hold fails now, not at Update
    m_buffer[index] = BufferedValue{value, asStored};
}

void CDaoRecordset::SetFieldValue(LPCTSTR name, const COleVariant& value)
{
    SetFieldValue(FieldIndex(name), value);
}

void CDaoRecordset::Edit()
{
    RequireCurrent();
    if (!Rows().IsUpdatable())
        AfxThrowDaoException(jet::kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
    m_editMode = EditMode::Edit;
    m_buffer.clear();
}

void CDaoRecordset::AddNew()
{
    if (!Rows().IsUpdatable())
        AfxThrowDaoException(jet::kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
    m_editMode = EditMode::AddNew;
    m_buffer.clear();
}

void CDaoRecordset::Update()
{
    jet::Recordset& rows = Rows();
    if (m_editMode == EditMode::None)
        AfxThrowDaoException(kErrUpdateWithoutEdit, "Update bez předchozího Edit nebo AddNew.");
    const EditMode mode = m_editMode;
    std::map<int, BufferedValue> buffer = std::move(m_buffer);
    m_buffer.clear();
    m_editMode = EditMode::None;
    DaoCall([&] {
        const int position = mode == EditMode::AddNew ? rows.Append() : m_position;
        for (const auto& [field, buffered] : buffer)
        {
            const jet::Value value = ValueOfVariant(buffered.value);
            if (buffered.asStored)
                rows.SetStored(position, field, value);
            else
                rows.Set(position, field, value);
        }
        m_lastModified = position;
    });
}

void CDaoRecordset::AppendStoredRows(CDaoRecordset& source, int first, int count, int fields)
{
    jet::Recordset& rows = Rows();
    if (!rows.IsUpdatable())
        AfxThrowDaoException(jet::kErrNotUpdatable, "Databázi nelze měnit: je otevřena jen pro čtení.");
    if (fields > static_cast<int>(rows.Fields().size()))
        AfxThrowDaoException(jet::kErrFieldNotFound,
                             "Sloupec č. " + CString(std::to_string(fields - 1)) + " v sadě záznamů není.");
    m_editMode = EditMode::None;
    m_buffer.clear();
    for (int row = first; row < first + count; ++row)
    {
        source.SetAbsolutePosition(row);
        jet::Recordset& from = source.Rows();
        DaoCall([&] {
            const int position = rows.Append();
            m_lastModified = m_position = position;
            for (int field = 0; field < fields; ++field)
                rows.SetStored(position, field,
                               ValueOfVariant(VariantOfValue(from.GetStored(source.m_position, field), jet::kDouble)));
        });
    }
}

void CDaoRecordset::CancelUpdate()
{
    m_editMode = EditMode::None;
    m_buffer.clear();
}

COleVariant CDaoRecordset::GetLastModifiedBookmark() const
{
    if (m_lastModified < 0)
        AfxThrowDaoException(jet::kErrNoCurrentRecord, "Žádný záznam nebyl změněn.");
    return COleVariant(static_cast<LONG>(Rows().BookmarkOf(m_lastModified)));
}

void CDaoRecordset::SetBookmark(COleVariant bookmark)
{
    if (FAILED(bookmark.ChangeType(VT_I4)))
        AfxThrowDaoException(kErrInvalidArgument, "Neplatná záložka.");
    const int position = Rows().PositionOf(bookmark.lVal);
    SetAbsolutePosition(position);
}

BOOL CDaoRecordset::Find(long findType, LPCTSTR filter)
{
    jet::Recordset& rows = Rows();
    const std::string criteria = filter ? filter : "";
    const std::vector<int> matches = DaoCall([&] { return rows.Matching(criteria); });
    int found = -1;
    if (findType == AFX_DAO_FIRST)
        found = matches.empty() ? -1 : matches.front();
    else if (findType == AFX_DAO_LAST)
        found = matches.empty() ? -1 : matches.back();
    else if (findType == AFX_DAO_NEXT)
    {
        const auto next = std::upper_bound(matches.begin(), matches.end(), m_position);
        found = next == matches.end() ? -1 : *next;
    }
    else if (findType == AFX_DAO_PREV)
    {
        const auto next = std::lower_bound(matches.begin(), matches.end(), m_position);
        found = next == matches.begin() ? -1 : *(next - 1);
    }
    else
        AfxThrowDaoException(kErrInvalidArgument, "Neplatný druh hledání.");
    if (found < 0)
        return FALSE;
    m_position = found;
    return TRUE;
}
