// One folder of a skin being written: pictures and definition files go in
// by name; the first failure is kept and every later write is skipped.
// Single-threaded; the caller owns the object.
#pragma once

#include "Canvas.h"
#include "SkinFile.h"

#include <QDir>
#include <QImage>
#include <QString>

namespace skingen {

class SkinFolder {
public:
    explicit SkinFolder(const QString& path) : m_dir(path) {
        if (!m_dir.mkpath(QStringLiteral(".")))
            m_error = QStringLiteral("cannot create ") + path;
    }

    void Bmp(const QString& name, const QImage& image) {
        if (m_error.isEmpty())
            SaveBmp(image, m_dir.filePath(name), &m_error);
    }
    void Png(const QString& name, const QImage& image) {
        if (m_error.isEmpty())
            SavePng(image, m_dir.filePath(name), &m_error);
    }
    void IndexedPng(const QString& name, const QImage& image) {
        if (m_error.isEmpty())
            SaveIndexedPng(image, m_dir.filePath(name), &m_error);
    }
    // BMP or PNG by the name's extension.
    void Picture(const QString& name, const QImage& image) {
        if (name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
            Png(name, image);
        else
            Bmp(name, image);
    }
    void Text(const QString& name, const SkinFile& file) {
        if (m_error.isEmpty())
            file.Save(m_dir.filePath(name), &m_error);
    }

    const QString& Error() const { return m_error; }

private:
    QDir m_dir;
    QString m_error;
};

} // namespace skingen
