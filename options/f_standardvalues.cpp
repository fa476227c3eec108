#include "options/f_standardvalues.h"

#include "data/DataSet.h"
#include "options/KeyChoiceBox.h"
#include "info/f_notimplemented.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/AppError.h"
#include "settings/Language.h"
#include "settings/Settings.h"
#include "settings/uBase64Codec.h"
#include "widgets/StorableText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace pellori {
namespace {

constexpr int kBoxWidth = 230;
constexpr int kDropDownRows = 8;
// Room for a password and its encoded form, which is a third longer.
constexpr int kPasswordWidth = 200;

QLabel* addLabel(QWidget* parent, const CaptionText& caption, const TLang& lang, bool bold)
{
    auto* label = new QLabel(lang.text(caption.key, caption.builtIn), parent);
    label->setObjectName(caption.name);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

Tf_standard::Tf_standard(Session& session, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint),
      m_session(session)
{
    setObjectName(QStringLiteral("f_standard"));
    // No catalogue key of its own: the caption stays as built in.
    setWindowTitle(QStringLiteral("Pellori - set standard values"));

    buildLists();
    buildControls();
    buildMenus();
    FormCreate();
}

Tf_standard::~Tf_standard()
{
    // The boxes look at the lists; they go first.
    qDeleteAll(m_boxes);
    m_boxes.clear();
    m_queries.clear();
}

void Tf_standard::buildLists()
{
    // Read-only, in the main transaction: the lists as the main window sees them.
    for (const StandardChoiceList& list : standardChoiceLists()) {
        auto query = std::make_unique<QueryDataSet>(m_session.mainTransaction());
        query->setObjectName(list.queryName);
        query->setSelectSql(list.selectSql);
        m_queries.push_back(std::move(query));
    }
}

void Tf_standard::buildControls()
{
    const TLang& lang = m_session.lang();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 8, 12, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setColumnMinimumWidth(0, kBoxWidth);
    grid->setColumnStretch(1, 1);

    int row = 0;
    const QList<StandardChoiceList>& lists = standardChoiceLists();
    for (int l = 0; l < lists.size(); ++l) {
        const StandardChoiceList& list = lists[l];
        QLabel* heading = addLabel(this, list.heading, lang, true);
        if (l > 0)
            heading->setContentsMargins(0, 8, 0, 0);
        grid->addWidget(heading, row++, 0, 1, 2);
        for (const StandardChoice& choice : list.choices) {
            auto* box = new KeyChoiceBox(this);
            box->setObjectName(choice.boxName);
            box->setFixedWidth(kBoxWidth);
            box->setMaxVisibleItems(kDropDownRows);
            box->setListSource(m_queries[l].get(), list.nameField, list.keyField);
            m_boxes << box;
            m_boxHeadings << heading;
            grid->addWidget(box, row, 0);
            QLabel* label = choice.label.name.isEmpty() ? nullptr : addLabel(this, choice.label, lang, false);
            m_boxLabels << label;
            if (label) {
                label->setBuddy(box);
                grid->addWidget(label, row, 1);
            }
            ++row;
        }
    }

    btn_ok = addButton(this, "btn_ok", lang.text(QStringLiteral("btnok"), QStringLiteral("OK")));
    btn_ok->setDefault(true);
    btn_cancel = addButton(this, "btn_cancel", lang.text(QStringLiteral("btncancel"), QStringLiteral("Cancel")));
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 12, 0, 12);
    buttons->addWidget(btn_ok);
    buttons->addWidget(btn_cancel);
    buttons->addStretch(1);
    grid->addLayout(buttons, row++, 0, 1, 2);

    Label11 = addLabel(this,
                       {.name = QStringLiteral("Label11"), .builtIn = QStringLiteral("Password to encode(d)"),
                        .key = QStringLiteral("passwordtoencode")},
                       lang, true);
    edit_encode = new QLineEdit(this);
    edit_encode->setObjectName(QStringLiteral("edit_encode"));
    // The password goes into the configuration file, which holds Latin-1 text only.
    edit_encode->setValidator(new StorableTextValidator([] { return TextEncoding::Latin1; }, edit_encode));
    edit_encode->setMinimumWidth(kPasswordWidth);
    edit_encode->installEventFilter(this);
    Label11->setBuddy(edit_encode);
    grid->addWidget(Label11, row, 0);
    grid->addWidget(edit_encode, row++, 1);

    btn_encode = addButton(this, "btn_encode", lang.text(QStringLiteral("encode"), QStringLiteral("Encode")));
    edit_encoded = new QLineEdit(this);
    edit_encoded->setObjectName(QStringLiteral("edit_encoded"));
    edit_encoded->setReadOnly(true);
    edit_encoded->setMinimumWidth(kPasswordWidth);
    grid->addWidget(btn_encode, row, 0, Qt::AlignLeft);
    grid->addWidget(edit_encoded, row++, 1);
    grid->setRowStretch(row, 1);

    onClicked(btn_ok, this, [this] { btn_okClick(); });
    onClicked(btn_cancel, this, [this] { btn_cancelClick(); });
    onClicked(btn_encode, this, [this] { btn_encodeClick(); });
}

void Tf_standard::buildMenus()
{
    const TLang& lang = m_session.lang();
    menubar = new QMenuBar(this);
    menubar->setObjectName(QStringLiteral("menubar"));
    m_menu = menubar->addMenu(lang.text(QStringLiteral("menu"), QStringLiteral("Set standard values")));
    m_menu->setObjectName(QStringLiteral("m_menu"));
    m_close = m_menu->addAction(lang.text(QStringLiteral("close"), QStringLiteral("Close")));
    m_close->setObjectName(QStringLiteral("m_close"));
    const HelpMenu question = addHelpMenu(menubar, m_session, this, QStringLiteral("?"),
                                          lang.text(QStringLiteral("help"), QStringLiteral("Help")), "m_question");
    m_question = question.menu;
    m_help = question.help;
    onTriggered(m_close, this, [this] { m_closeClick(); });
    layout()->setMenuBar(menubar);
}

void Tf_standard::FormCreate()
{
    const StandardValues& values = m_session.standardValues();
    // Only an administrator mode of exactly "0" hides the password tool.
    if (values.administratorMode == QLatin1String("0"))
        for (QWidget* w : std::initializer_list<QWidget*>{Label11, btn_encode, edit_encode, edit_encoded})
            w->hide();

    for (const auto& query : m_queries)
        query->open();
    const StandardKeys keys = standardKeys(values);
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setKey(keys[i]);

    edit_encode->setText(QString::fromLatin1(kBuiltInPassword));
    btn_encodeClick();
    m_boxes.first()->setFocus();   // addresstypeperson
}

StandardKeys Tf_standard::chosenKeys() const
{
    StandardKeys keys;
    for (int i = 0; i < m_boxes.size(); ++i)
        keys[i] = m_boxes[i]->key();
    return keys;
}

QString Tf_standard::choiceLabel(int index) const
{
    // The heading of the box's list, followed by the label beside the box.
    QString text = m_boxHeadings[index]->text();
    if (const QLabel* label = m_boxLabels[index])
        text += QLatin1Char(' ') + label->text();
    return text;
}

void Tf_standard::btn_okClick()
{
    const StandardKeys keys = chosenKeys();
    for (int i = 0; i < m_boxes.size(); ++i)
        if (keys[i].isEmpty()) {
            showMessage(this, missingChoiceMessage(choiceLabel(i)));
            m_boxes[i]->setFocus();
            throw SilentAbort();
        }
    storeStandardKeys(m_session.configPath(), keys, m_session.standardValues());
    accept();
}

void Tf_standard::btn_cancelClick() { reject(); }

void Tf_standard::btn_encodeClick()
{
    edit_encoded->setText(QString::fromLatin1(EncodeBase64Text(edit_encode->text().toLatin1())));
}

void Tf_standard::m_closeClick() { close(); }

bool Tf_standard::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the password box encodes it rather than confirming the dialog.
    if (watched == edit_encode && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btn_encode->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void openStandardValues(Session& session, QWidget* owner)
{
    const std::unique_ptr<Tf_standard> dialog(new Tf_standard(session, owner));
    execModal(dialog.get());
}

} // namespace pellori
