#include "scriptedplatform.h"

#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <stdexcept>

namespace lexora::testing {

QStringList ScriptedPlatform::messageTexts() const {
    QStringList texts;
    for (const Message& m : messages)
        texts << m.text;
    return texts;
}

void ScriptedPlatform::failIfScripted(Service service) {
    const auto it = std::find(m_failing.begin(), m_failing.end(), service);
    if (it == m_failing.end())
        return;
    m_failing.erase(it);
    throw std::runtime_error("the desktop service failed");
}

void ScriptedPlatform::message(QWidget*, const QString& text, const QString& title, MessageIcon icon) {
    failIfScripted(Service::Message);
    messages.push_back({text, title, icon});
    if (onMessage)
        onMessage(messages.back());
}

QString ScriptedPlatform::input(QWidget*, const QString& title, const QString& prompt, const QString& defaultText) {
    failIfScripted(Service::Input);
    inputs.push_back({title, prompt, defaultText});
    if (m_inputs.empty())
        qFatal("An input box \"%s\" was shown with no scripted answer", qPrintable(title));
    const QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

std::optional<FontChoice> ScriptedPlatform::chooseFont(QWidget*, const FontChoice& current) {
    fontDialogOpenedWith.push_back(current);
    if (m_fonts.empty())
        qFatal("The font dialog was shown with no scripted answer");
    const auto answer = m_fonts.front();
    m_fonts.pop_front();
    return answer;
}

double ScriptedPlatform::random() {
    failIfScripted(Service::Random);
    if (m_draws.empty())
        qFatal("A random number was drawn with none scripted");
    const double draw = m_draws.front();
    m_draws.pop_front();
    return draw;
}

void ScriptedPlatform::endProcess() {
    failIfScripted(Service::EndProcess);
    ++endProcessCalls;
}

} // namespace lexora::testing
