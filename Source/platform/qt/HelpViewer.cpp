#include "HelpViewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr const char *kContents = "Contents";
constexpr const char *kLinkScheme = "topic:";

QString Html(const std::string &text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString ParagraphHtml(const HelpParagraph &paragraph)
{
    QString html;
    for (const HelpSpan &span : paragraph.spans) {
        if (span.link.empty())
            html += Html(span.text);
        else
            html += QStringLiteral("<a href=\"%1%2\">%3</a>").arg(kLinkScheme, Html(span.link), Html(span.text));
    }
    return html;
}

// Paragraphs as <p>, neighbouring list items as one list.
QString TopicHtml(const HelpTopic &topic)
{
    QString html;
    bool inList = false;
    for (const HelpParagraph &paragraph : topic.paragraphs) {
        if (paragraph.item != inList) {
            html += paragraph.item ? "<ul>" : "</ul>";
            inList = paragraph.item;
        }
        html += (paragraph.item ? "<li>" : "<p>") + ParagraphHtml(paragraph) + (paragraph.item ? "</li>" : "</p>");
    }
    if (inList)
        html += "</ul>";
    return html;
}

}  // namespace

HelpViewer::HelpViewer(QWidget *parent)
    : QDialog(parent),
      btnContents(new QPushButton(tr("&Contents"), this)),
      lstTopics(new QListWidget(this)),
      lblTitle(new QLabel(this)),
      txtTopic(new QTextBrowser(this)),
      btnClose(new QPushButton(tr("C&lose"), this))
{
    setObjectName("HelpViewer");
    btnContents->setObjectName("btnContents");
    lstTopics->setObjectName("lstTopics");
    lblTitle->setObjectName("lblTitle");
    txtTopic->setObjectName("txtTopic");
    btnClose->setObjectName("btnClose");
    setWindowTitle(tr("Help"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    resize(760, 500);

    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.35);
    lblTitle->setFont(titleFont);
    lblTitle->setWordWrap(true);
    txtTopic->setOpenLinks(false);
    txtTopic->document()->setDefaultStyleSheet("p { margin-bottom: 8px; } li { margin-bottom: 4px; }");

    auto *page = new QWidget(this);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(lblTitle);
    pageLayout->addWidget(txtTopic, 1);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(lstTopics);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 530});

    auto *top = new QHBoxLayout;
    top->addWidget(btnContents);
    top->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);

    connect(btnContents, &QPushButton::clicked, this, [this] { OpenTopic(kContents); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    connect(txtTopic, &QTextBrowser::anchorClicked, this, &HelpViewer::LinkClicked);
    connect(lstTopics, &QListWidget::currentRowChanged, this, &HelpViewer::TopicChosen);
}

void HelpViewer::SetHelpFile(const HelpFile &file, const std::string &fileName)
{
    current_ = nullptr;
    file_ = file;
    fileName_ = fileName;
    const QSignalBlocker blocker(lstTopics);
    lstTopics->clear();
    for (const HelpTopic &topic : file_.Topics())
        lstTopics->addItem(QString::fromStdString(topic.title));
    btnContents->setEnabled(file_.FindName(kContents) != nullptr);
    lblTitle->clear();
    txtTopic->clear();
}

bool HelpViewer::OpenContext(int context)
{
    return Show(file_.FindContext(context), "context number " + std::to_string(context));
}

bool HelpViewer::OpenTopic(const std::string &name)
{
    return Show(file_.FindName(name), "topic \"" + name + "\"");
}

bool HelpViewer::OpenLink(const std::string &target)
{
    return Show(file_.FindLink(target), "link \"" + target + "\"");
}

bool HelpViewer::Show(const HelpTopic *topic, const std::string &what)
{
    current_ = topic;
    const QSignalBlocker blocker(lstTopics);
    if (!topic) {
        lstTopics->setCurrentRow(-1);
        const QString file = QFileInfo(QString::fromStdString(fileName_)).fileName();
        lblTitle->setText(tr("No help for this topic"));
        QString html = tr("<p>There is no help for this topic (%1) in the help file %2.</p>")
                           .arg(Html(what), file.toHtmlEscaped());
        if (file_.FindName(kContents))
            html += tr("<p>The <a href=\"%1%2\">Contents</a> page lists every topic there is.</p>").arg(kLinkScheme, kContents);
        txtTopic->setHtml(html);
        setWindowTitle(tr("Help"));
        return false;
    }
    lstTopics->setCurrentRow(static_cast<int>(topic - file_.Topics().data()));
    lblTitle->setText(QString::fromStdString(topic->title));
    txtTopic->setHtml(TopicHtml(*topic));
    setWindowTitle(tr("Help - %1").arg(QString::fromStdString(topic->title)));
    return true;
}

void HelpViewer::LinkClicked(const QUrl &url)
{
    const QString link = url.toString();
    if (link.startsWith(kLinkScheme))
        OpenLink(link.mid(static_cast<int>(qstrlen(kLinkScheme))).toStdString());
}

void HelpViewer::TopicChosen(int row)
{
    if (row >= 0 && row < static_cast<int>(file_.Topics().size()))
        Show(&file_.Topics()[static_cast<std::size_t>(row)], std::string());
}
