#include "SearchCommand.h"

#include <algorithm>

#include "FileEntry.h"
#include "FileProblem.h"
#include "M3uFile.h"
#include "Mp3Search.h"
#include "RegularFile.h"

namespace {
struct Options {
    QString folder;
    QString playlist;
    bool force = false;
};

// A name holding a line break or a tab would break its line or its columns: such a name alone
// is written with backslash escapes (\n, \r, \t, and \\ for a backslash).
QString oneField(const QString &text)
{
    const auto breaks = [](QChar c) { return c == u'\n' || c == u'\r' || c == u'\t'; };
    if (std::none_of(text.begin(), text.end(), breaks))
        return text;
    QString escaped;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': escaped += QLatin1String("\\\\"); break;
        case '\n': escaped += QLatin1String("\\n"); break;
        case '\r': escaped += QLatin1String("\\r"); break;
        case '\t': escaped += QLatin1String("\\t"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

bool parse(CliArguments &args, Options &options, QString &problem)
{
    QStringList folders;
    while (!args.atEnd()) {
        const bool option = args.atOption();
        const QString arg = args.take();
        if (!option) {
            folders << arg;
        } else if (arg == QLatin1String("--m3u")) {
            if (args.rest().isEmpty()) {
                problem = QStringLiteral("--m3u needs a file name");
                return false;
            }
            options.playlist = args.rest().takeFirst();
        } else if (arg == QLatin1String("--force")) {
            options.force = true;
        } else {
            problem = QStringLiteral("unknown option ") + arg;
            return false;
        }
    }
    if (folders.size() != 1) {
        problem = QStringLiteral("needs one folder to search");
        return false;
    }
    options.folder = folders.first();
    return true;
}
} // namespace

QString SearchCommand::usage() const
{
    return QStringLiteral(
        "DIR [--m3u OUT.m3u] [--force]  list the MP3 files below DIR, breadth first: name, "
        "folder, size, duration (tab-separated); optionally save them as a play list");
}

int SearchCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    Options options;
    QString problem;
    if (!parse(args, options, problem)) {
        err << "tavro-cli search: " << problem << "\nusage: tavro-cli search " << usage() << '\n';
        return CliCommand::kBadArguments;
    }
    if (FileEntry::kind(options.folder) != FileEntry::Kind::Folder) {
        err << "tavro-cli search: " << options.folder << ": not a folder\n";
        return CliCommand::kFailed;
    }
    if (!options.playlist.isEmpty() && FileEntry::exists(options.playlist) && !options.force) {
        err << "tavro-cli search: " << options.playlist
            << " already exists (--force replaces it)\n";
        return CliCommand::kFailed;
    }
    if (!options.playlist.isEmpty() &&
        FileProblem::report(err, "search", options.playlist,
                            FileProblem::forWriting(options.playlist)))
        return CliCommand::kFailed;

    QStringList paths;
    Mp3Search search;
    QObject::connect(&search, &Mp3Search::fileFound, [&](const Mp3Search::Row &row) {
        out << oneField(row.name) << '\t' << oneField(row.folder) << '\t' << row.sizeText << '\t'
            << row.durationText << '\n';
        paths << row.path;
    });
    search.run(options.folder);
    out.flush();
    err << search.files() << " MP3 files in " << search.directories() << " folders";
    if (search.unreadable() > 0)
        err << " (" << search.unreadable() << " could not be read)";
    err << '\n';

    const QString unstorable = M3uFile::unstorable(paths);
    if (!options.playlist.isEmpty() && !unstorable.isEmpty()) {
        err << "tavro-cli search: cannot write " << options.playlist << ": a play list line cannot "
            << "hold the line break in " << oneField(unstorable) << '\n';
        return CliCommand::kFailed;
    }
    // --force replaces an old play list, never one of the MP3 files it lists.
    const auto found = std::find_if(paths.cbegin(), paths.cend(), [&](const QString &path) {
        return RegularFile::sameFile(path, options.playlist);
    });
    if (!options.playlist.isEmpty() && found != paths.cend()) {
        err << "tavro-cli search: " << options.playlist
            << " is one of the files found; it is never replaced\n";
        return CliCommand::kFailed;
    }
    if (!options.playlist.isEmpty() && !M3uFile::SavePlaylist(options.playlist, paths)) {
        err << "tavro-cli search: cannot write " << options.playlist << '\n';
        return CliCommand::kFailed;
    }
    return 0;
}
