#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a private home folder (so no run touches
// the real "Lumeworks" folder), one application object, quiet logging, and
// scratch folders that are gone again after each input.
namespace LWFuzz {

// Sets up the process once; call from LLVMFuzzerInitialize. Log output is
// dropped unless LW_FUZZ_VERBOSE is set.
void init(int *argc, char ***argv);

// The private home folder of this run (removed at exit).
QString home();

QByteArray bytes(const uint8_t *data, size_t size);
bool writeFile(const QString &path, const QByteArray &bytes);

// Aborts with the text, so the fuzzer records the input as a finding.
[[noreturn]] void fail(const char *what, const QString &detail = QString());

// Every file and folder below root, relative, sorted.
QStringList tree(const QString &root);

// The private home's tree without the entries below one of its folders:
// what must stay as it is while a parser works in that folder.
QStringList treeOutside(const QString &folder);

// Runs what was posted, deferred deletions included, so nothing piles up
// from one input to the next.
void drain();

// A fresh folder under the private home, removed with everything in it
// when the object goes.
class Scratch
{
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch &) = delete;
    Scratch &operator=(const Scratch &) = delete;

    QString path() const { return m_path; }
    QString file(const QString &relative) const { return m_path + QLatin1Char('/') + relative; }

private:
    QString m_path;
};

} // namespace LWFuzz

// Input bytes split at the first "\n---\n": the document and a second part
// (data, a reply header ...). No separator: all is the first part.
struct LWFuzzParts
{
    QByteArray first;
    QByteArray second;
    static LWFuzzParts split(const QByteArray &input);
};
