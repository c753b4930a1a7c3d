#include "skin/PixwellLibrary.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vantor {
namespace {

TEST(PixwellLibraryTest, NothingIsLoadedBeforeFirstUse) {
    PixwellLibrary library("/nonexistent/");
    EXPECT_TRUE(library.LoadedFrom().empty());
}

TEST(PixwellLibraryTest, TheCopyBesideTheProgramComesFirst) {
    test::TempDir folder;
    std::filesystem::copy_file(PIXWELL_BUILT_LIBRARY, folder.File(PixwellLibrary::kFileName));
    PixwellLibrary library(folder.Path());
    const PixwellApi* api = library.Api();
    ASSERT_NE(api, nullptr);
    EXPECT_EQ(library.LoadedFrom(), folder.Path() + PixwellLibrary::kFileName);
    EXPECT_EQ(api->version(), 1.0f);
    // Later calls reuse the loaded library.
    EXPECT_EQ(library.Api(), api);
}

TEST(PixwellLibraryTest, WithoutACopyBesideTheProgramTheLibraryPathIsSearched) {
    test::TempDir empty;
    PixwellLibrary library(empty.Path());
    ASSERT_NE(library.Api(), nullptr);
    EXPECT_EQ(library.LoadedFrom(), PixwellLibrary::kFileName);
}

TEST(PixwellLibraryTest, AFileThatIsNoLibraryIsPassedOver) {
    test::TempDir folder;
    folder.Write(PixwellLibrary::kFileName, std::string_view("not a library"));
    PixwellLibrary library(folder.Path());
    ASSERT_NE(library.Api(), nullptr);
    EXPECT_EQ(library.LoadedFrom(), PixwellLibrary::kFileName);
}

TEST(PixwellLibraryTest, AMissingLibraryGivesNoFunctions) {
    test::TempDir empty;
    PixwellLibrary library(empty.Path(), "libpixwell-absent.so");
    EXPECT_EQ(library.Api(), nullptr);
    EXPECT_EQ(library.Api(), nullptr);
    EXPECT_TRUE(library.LoadedFrom().empty());
}

} // namespace
} // namespace vantor
