#include "gui/TVersionAwareAbout.h"

#include "about/AboutContent.h"
#include "gui/Artwork.h"
#include "gui/GuiText.h"
#include "gui/VclFont.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

namespace quillby::gui {

TVersionAwareAbout::TVersionAwareAbout(const VersionInfo* info, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("VersionAwareAbout");
    setFont(vclFont(11));
    setFixedSize(267, 242);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(8, 0, 251, 105);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop); // unscaled, clipped to the area
    Image1->setPixmap(aboutPicture());

    reVersionInfo = new QTextEdit(this);
    reVersionInfo->setObjectName("reVersionInfo");
    reVersionInfo->setGeometry(8, 112, 249, 89);
    reVersionInfo->setReadOnly(true);
    reVersionInfo->setFocusPolicy(Qt::NoFocus);
    reVersionInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reVersionInfo->viewport()->setCursor(Qt::ArrowCursor);
    reVersionInfo->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    reVersionInfo->setLineWidth(2);
    QPalette palette = reVersionInfo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    reVersionInfo->setPalette(palette);

    btnOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    btnOK->setObjectName("btnOK");
    btnOK->setGeometry(93, 208, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate(info);
}

void TVersionAwareAbout::FormCreate(const VersionInfo* info) {
    const AboutContent content = buildAboutContent(info);
    setWindowTitle(fromWindows1252(content.caption));
    reVersionInfo->clear();
    QStringList lines;
    for (const std::string& line : content.lines) {
        lines << fromWindows1252(line);
    }
    reVersionInfo->setPlainText(lines.join('\n'));
}

} // namespace quillby::gui
