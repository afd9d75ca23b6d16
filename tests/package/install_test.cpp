// cmake --install into a staging directory: every file in its place, and the
// app-defaults file holding exactly the fallback lines the program compiles in.

#include <gtest/gtest.h>

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "shell/options.h"
#include "tests/package/package_files.h"

namespace {

using namespace package;

std::set<std::string> *collected;
std::size_t stagePrefix;

int collect(const char *path, const struct stat *, int type, struct FTW *)
{
    if (type == FTW_F || type == FTW_SL)
        collected->insert(std::string(path).substr(stagePrefix));
    return 0;
}

int remove_entry(const char *path, const struct stat *, int, struct FTW *)
{
    return ::remove(path);
}

class Installed : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char pattern[] = "/tmp/dirnaut-stage-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        stage = pattern;
        const CommandResult r = run("DESTDIR='" + stage + "' '" DIRNAUT_CMAKE "' --install '" DIRNAUT_BINARY_DIR
                          "' --prefix /usr 2>&1");
        ASSERT_EQ(r.status, 0) << r.out;
    }
    static void TearDownTestSuite() { nftw(stage.c_str(), remove_entry, 16, FTW_DEPTH | FTW_PHYS); }

    static std::string appDefaultsPath()
    {
        const std::string dir = DIRNAUT_APPDEFAULTDIR;
        return (dir[0] == '/' ? dir : "/usr/" + dir) + "/Dirnaut";
    }
    static std::string staged(const std::string &path) { return stage + path; }

    static std::string stage;
};
std::string Installed::stage;

TEST_F(Installed, TreeHoldsTheProgramAndItsFilesAndNothingElse)
{
    std::set<std::string> files;
    collected = &files;
    stagePrefix = stage.size();
    nftw(stage.c_str(), collect, 16, FTW_PHYS);
    const std::set<std::string> want = {
        "/usr/bin/dirnaut",
        appDefaultsPath(),
        "/usr/share/man/man1/dirnaut.1",
        "/usr/share/applications/dirnaut.desktop",
        "/usr/share/icons/hicolor/scalable/apps/dirnaut.svg",
    };
    EXPECT_EQ(files, want);

    struct stat st {};
    ASSERT_EQ(stat(staged("/usr/bin/dirnaut").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode) && (st.st_mode & 0111) == 0111);
    EXPECT_EQ(read_file(staged("/usr/bin/dirnaut")), read_file(DIRNAUT_BINARY_DIR "/dirnaut"));
    EXPECT_EQ(read_file(staged("/usr/share/man/man1/dirnaut.1")), read_file(source_path("doc/dirnaut.1")));
}

TEST_F(Installed, AppDefaultsAreTheCompiledFallbacksBelowACommentHeader)
{
    const std::vector<std::string> lines = lines_of(read_file(staged(appDefaultsPath())));
    std::size_t header = 0;
    while (header < lines.size() && lines[header].rfind('!', 0) == 0)
        ++header;
    EXPECT_GE(header, 1u);
    std::vector<std::string> fallbacks;
    for (String *line = fallbackResources; *line != nullptr; ++line)
        fallbacks.emplace_back(*line);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(header), lines.end()), fallbacks);
}

TEST_F(Installed, DesktopEntryIsValidAndStartsTheProgramWithItsIcon)
{
    const std::string entry = staged("/usr/share/applications/dirnaut.desktop");
    const CommandResult validate = run("desktop-file-validate '" + entry + "' 2>&1");
    EXPECT_EQ(validate.status, 0) << validate.out;
    EXPECT_EQ(validate.out, "");
    const std::vector<std::string> lines = lines_of(read_file(entry));
    for (const char *key : {"Exec=dirnaut", "Icon=dirnaut", "Type=Application", "StartupWMClass=Dirnaut"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), key), lines.end()) << key;
}

TEST_F(Installed, IconRendersAsASquareImage)
{
    const std::string png = stage + "/icon.png";
    const CommandResult render = run("rsvg-convert -w 64 -h 64 '" +
                           staged("/usr/share/icons/hicolor/scalable/apps/dirnaut.svg") + "' -o '" + png +
                           "' 2>&1 && identify -format '%w %h %k' '" + png + "'");
    ASSERT_EQ(render.status, 0) << render.out;
    int width = 0, height = 0, colours = 0;
    ASSERT_EQ(std::sscanf(render.out.c_str(), "%d %d %d", &width, &height, &colours), 3) << render.out;
    EXPECT_EQ(width, 64);
    EXPECT_EQ(height, 64);
    EXPECT_GT(colours, 8);  // a drawing, not an empty canvas
    ::remove(png.c_str());
}

}  // namespace
