#include "platform/document.h"

#include <new>

#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/file_exception.h"
#include "platform/file_reader.h"
#include "platform/file_writer.h"
#include "platform/full_path.h"

void CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    m_bModified = false;
}

CDocument::Result CDocument::OpenDocumentFile(const std::string& path) {
    const std::string fullPath = vexlume::FullPath(path);
    std::string data;
    try {
        data = vexlume::ReadWholeFile(fullPath);
    } catch (const CFileException& e) {
        return {false, e.GetErrorMessage()};
    } catch (const std::bad_alloc&) {
        return {false, "Failed to open document."};
    }

    DeleteContents();
    Result result;
    if (!data.empty()) {
        try {
            CArchive archive{std::string_view(data)};
            Serialize(archive);
        } catch (const CArchiveException&) {
            result = {false, "Unexpected file format."};
        } catch (const CFileException& e) {
            result = {false, e.GetErrorMessage()};
        } catch (const std::exception&) {
            result = {false, "Failed to open document."};
        }
    }
    if (!result.ok) {
        // Discard what was read so far and fall back to a new document.
        DeleteContents();
        OnNewDocument();
        return result;
    }
    m_strPathName = fullPath;
    m_bModified = false;
    return result;
}

CDocument::Result CDocument::SaveDocument(const std::string& path) {
    const std::string fullPath = vexlume::FullPath(path);
    try {
        std::string bytes;
        CArchive archive(bytes);
        Serialize(archive);
        vexlume::FileWriter file(fullPath, vexlume::FileWriter::WriteErrors::FromSystem,
                                 vexlume::FileWriter::Durability::Synced);
        file.Write(bytes.data(), bytes.size());
        file.Commit();
    } catch (const CFileException& e) {
        return {false, e.GetErrorMessage()};
    } catch (const std::exception&) {
        return {false, "Failed to save document."};
    }
    m_strPathName = fullPath;
    m_bModified = false;
    return {};
}

std::string CDocument::GetTitle() const {
    return m_strPathName.empty() ? std::string("Untitled") : vexlume::FileNameOf(m_strPathName);
}

void CDocument::UpdateAllViews() {
    for (const auto& view : m_views) view();
}
