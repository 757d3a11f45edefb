// Marks the core's user-visible texts for lupdate, which finds these macros by name, without bringing
// Qt into the core: outside Qt each mark is the plain text, and the desktop program translates the text
// where it shows it, in the same context. The definitions are Qt's own, so either header may come first.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
// A text holding "%n", translated with the number that fills it, so plural forms can follow it.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif
