#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel::persist::testing {

// Each test gets a configuration home of its own, so the settings file it
// sees starts missing and no test reads another's leftovers.
class ConfigHomeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString homePath() const { return home_.path(); }
    QString folderPath() const;
    void writeSettingsFile(std::string_view bytes) const;
    // Nothing when the file is missing or cannot be read.
    std::optional<std::string> settingsFileBytes() const;

private:
    QTemporaryDir home_;
    std::optional<QByteArray> previousHome_;
};

void writeFileBytes(const QString& path, std::string_view bytes);
std::optional<std::string> fileBytes(const QString& path);
// Ten score lines "P1" to "P10" at "Medium", line k scoring score(k).
std::string scoreLinesFile(const std::function<int32_t(int line)>& score);
// The names of everything in `folder`, hidden and special entries included.
QStringList folderEntries(const QString& folder);

} // namespace quorvel::persist::testing

// Lets failed expectations show the text rather than the bytes of a QString.
void PrintTo(const QString& text, std::ostream* out);
