#include "widgets/NewPasswordFields.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

NewPasswordFields::NewPasswordFields(QWidget *parent)
    : QWidget(parent)
    , m_passwordLabel(new QLabel(this))
    , m_password(new QLineEdit(this))
    , m_repeatLabel(new QLabel(this))
    , m_repeat(new QLineEdit(this))
    , m_problem(new QLabel(this))
    , m_permissions(new QLabel(this))
{
    setObjectName(QStringLiteral("newPasswordFields"));
    for (QLineEdit *edit : {m_password, m_repeat}) {
        edit->setEchoMode(QLineEdit::Password);
        connect(edit, &QLineEdit::textChanged, this, &NewPasswordFields::updateProblem);
    }
    m_passwordLabel->setBuddy(m_password);
    m_repeatLabel->setBuddy(m_repeat);
    for (QLabel *label : {m_passwordLabel, m_repeatLabel})
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_problem->setObjectName(QStringLiteral("passwordProblem"));
    m_problem->setWordWrap(true);
    m_permissions->setObjectName(QStringLiteral("passwordPermissions"));
    m_permissions->setWordWrap(true);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_passwordLabel, 0, 0);
    grid->addWidget(m_password, 0, 1);
    grid->addWidget(m_repeatLabel, 1, 0);
    grid->addWidget(m_repeat, 1, 1);
    grid->addWidget(m_problem, 2, 0, 1, 2);
    grid->addWidget(m_permissions, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    retranslate();
}

void NewPasswordFields::setPermissions(const OutputPermissions &permissions)
{
    m_granted = permissions;
    m_permissions->setText(permissionsText());
}

QString NewPasswordFields::password() const
{
    return isAcceptable() ? m_password->text().trimmed() : QString();
}

bool NewPasswordFields::isAcceptable() const
{
    const QString chosen = m_password->text().trimmed();
    return !chosen.isEmpty() && chosen == m_repeat->text().trimmed();
}

QString NewPasswordFields::problemText() const
{
    const QString chosen = m_password->text().trimmed();
    const QString repeated = m_repeat->text().trimmed();
    if (chosen == repeated)
        return QString();
    if (repeated.isEmpty())
        return tr("Type the password a second time to make sure it has no typo.");
    if (chosen.isEmpty())
        return tr("Type the password in the first field too.");
    return tr("The two passwords differ. Type the same password in both fields.");
}

void NewPasswordFields::updateProblem()
{
    const QString text = problemText();
    m_problem->setText(text);
    const bool acceptable = isAcceptable();
    if (acceptable == m_acceptable)
        return;
    m_acceptable = acceptable;
    emit acceptableChanged(acceptable);
}

QString NewPasswordFields::permissionsText() const
{
    QStringList allowed;
    if (m_granted.print)
        allowed << tr("print");
    if (m_granted.copy)
        allowed << tr("copy text");
    if (m_granted.change)
        allowed << tr("change");
    if (m_granted.addNotes)
        allowed << tr("add notes");
    if (m_granted.fillForms)
        allowed << tr("fill in forms");
    if (allowed.isEmpty())
        return tr("Opening the file will need this password. Whoever has it may only read the file.");
    return tr("Opening the file will need this password. Whoever has it may: %1.")
        .arg(allowed.join(tr(", ", "between the things a reader may do")));
}

void NewPasswordFields::retranslate()
{
    m_passwordLabel->setText(tr("Password:"));
    m_repeatLabel->setText(tr("Repeat password:"));
    m_permissions->setText(permissionsText());
    updateProblem();
}

void NewPasswordFields::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void NewPasswordFields::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Two lines are kept for the reason, so that the fields stay in place
    // while it comes and goes (the style sheet sets its font by now).
    m_problem->ensurePolished();
    m_problem->setMinimumHeight(2 * m_problem->fontMetrics().lineSpacing());
    m_password->setFocus();
}
