// The no-op marker for texts a user sees that are kept in data tables and in the standard-C++
// core. The marker leaves the text as it is; lupdate finds it by its name, so the texts land in the
// translation files, and the Qt layers show them through QCoreApplication::translate with the same
// context. Qt's own header defines the same marker the same way, so either may come first.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
