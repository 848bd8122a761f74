#ifndef VELTRIX_DOC_SNIPPETS_H
#define VELTRIX_DOC_SNIPPETS_H

// The code examples of the API reference live in the files of this folder,
// between "//! [name]" markers that the reference pulls in. Each example is
// the body of a function that the build compiles and the doc_snippets test
// runs offscreen: an example that no longer compiles, crashes, throws, makes
// Qt or the library log a warning, or stops doing what the reference says it
// does (the SNIPPET_CHECK lines after it) fails the build or the test.

class QWidget;

using SnippetFunction = void (*)(QWidget *host);

struct SnippetRegistration
{
    SnippetRegistration(const char *name, SnippetFunction run);
};

// Records a failed expectation of the running example.
void snippetCheck(bool ok, const char *expression, const char *file, int line);
#define SNIPPET_CHECK(expression) snippetCheck(bool(expression), #expression, __FILE__, __LINE__)

// Defines an example: a function given a fresh top-level widget to build on,
// which the runner shows and then deletes.
#define SNIPPET(name)                                                                                     \
    static void name(QWidget *host);                                                                      \
    static const SnippetRegistration name##Registration(#name, &name);                                    \
    static void name(QWidget *host)

#endif // VELTRIX_DOC_SNIPPETS_H
