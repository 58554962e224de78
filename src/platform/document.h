#pragma once

#include <functional>
#include <string>
#include <vector>

class CArchive;

// The life cycle of a document kept in a file: new, open, save, the modified
// flag, the path and the title. Failures come back as the text to show the
// user; nothing here talks to a window.
class CDocument {
public:
    struct Result {
        bool ok = true;
        std::string message;  // what to tell the user when !ok
    };

    virtual ~CDocument() = default;

    // Resets the contents; called before a new document, before a file is
    // read, after a read failed, and on close.
    virtual void DeleteContents() {}
    virtual void Serialize(CArchive& archive) = 0;

    // A new, untitled, unmodified document.
    void OnNewDocument();
    // Opens a file. When it cannot be opened the document stays as it was;
    // when reading it fails the document becomes a new untitled one. An empty
    // file opens as a new document under its name.
    Result OpenDocumentFile(const std::string& path);
    // Writes the document to path without ever destroying an existing file;
    // on success the document takes that path and is no longer modified.
    Result SaveDocument(const std::string& path);
    // Resets the contents when the document goes away.
    void OnCloseDocument() { DeleteContents(); }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // The full path of the file, empty for an untitled document.
    const std::string& GetPathName() const { return m_strPathName; }
    // The file's name, or "Untitled".
    std::string GetTitle() const;

    // Views register to hear about changes of the contents.
    void AddView(std::function<void()> onUpdate) { m_views.push_back(std::move(onUpdate)); }
    void UpdateAllViews();

private:
    std::string m_strPathName;
    bool m_bModified = false;
    std::vector<std::function<void()>> m_views;
};
