// The file-information window: the heading, artist and information lines of
// one playlist entry. Its first button closes it, which only hides it; the
// next entry's information reuses the window. A track's cover picture, when
// it has one, stands beside the information lines. UI thread only.
#pragma once

#include <QDialog>

class QImage;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vantor {

struct FileInfoText;

class Form4 : public QDialog {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    void ShowInfo(const FileInfoText& info);

    QString Heading() const;
    QString Artist() const;
    QString Information() const;
    QPushButton& CloseButton() { return *m_close; }

private:
    void ShowCover(const QImage& cover);

    QLabel* m_heading;
    QLabel* m_artist;
    QPlainTextEdit* m_text;
    QLabel* m_cover;
    QPushButton* m_close;
    QPushButton* m_copy;
};

} // namespace vantor
