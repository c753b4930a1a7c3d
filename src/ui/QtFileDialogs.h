// File and folder dialogs through Qt. Filters arrive in the player's
// "Description|*.A;*.B|" form and are turned into Qt's name filters.
// UI thread only.
#pragma once

#include "platform/FileDialogs.h"

#include <QStringList>

class QWidget;

namespace vantor {

// "Music|*.mp3;*.ogg|All|*.*|" -> {"Music (*.mp3 *.ogg)", "All (*)"}.
QStringList ToQtFilters(const std::string& filter);

// The extension of a Qt name filter's first pattern, in the lower case
// files are named in here: "Lists (*.M3U *.DVL)" gives "m3u"; "All (*)"
// gives nothing.
QString FilterExtension(const QString& qtFilter);

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    std::vector<std::string> OpenFiles(const std::string& title, const std::string& filter,
                                       const std::string& initialFolder,
                                       bool multipleSelection) override;
    std::string SaveFile(const std::string& title, const std::string& filter,
                         const std::string& initialFolder) override;
    std::string BrowseForFolder(const std::string& title,
                                const std::string& initialFolder) override;

private:
    QWidget* m_parent;
};

} // namespace vantor
