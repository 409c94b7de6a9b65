#pragma once

class QCoreApplication;
class QTranslator;

// Installs Qt's own Turkish texts into app, so that the standard buttons and the
// file, print and colour dialogs speak the program's language. The translator
// is owned by app; null when Qt's translation file cannot be loaded (the
// dialogs then stay in English and nothing else changes).
QTranslator* LoadQtTranslations(QCoreApplication& app);
