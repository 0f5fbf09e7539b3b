// Read by lupdate only (scripts/update-translations.sh), never compiled.
// The settings list names each language by the translation of this text that
// its own file carries, so every translation file translates "English" into
// the name of its language, written in that language.
QT_TRANSLATE_NOOP("SettingsView", "English")
