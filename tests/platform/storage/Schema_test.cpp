#include "platform/storage/Schema.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/storage/KelvaneDatabase.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// The schema a fresh database migrates to, as docs/schema.sql writes it: each statement that
// made a table, index or trigger, as SQLite keeps its text, tables first, each kind by name.
// SQLite's own tables and the search index's shadow tables are made by the statements.
std::string MigratedSchema() {
    const fs::path folder =
        fs::temp_directory_path() / ("kelvane-schema-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::string schema;
    {
        KelvaneDatabase database((folder / "kelvane.sqlite3").string());
        SqliteStatement query(
            database.Connection(),
            "SELECT sql FROM sqlite_schema WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite%' "
            "AND tbl_name NOT IN (SELECT name FROM pragma_table_list WHERE type = 'shadow') "
            "ORDER BY CASE type WHEN 'table' THEN 0 WHEN 'index' THEN 1 ELSE 2 END, name");
        while (query.Step()) {
            schema += query.Text(0) + ";\n\n";
        }
    }
    fs::remove_all(folder);
    return schema;
}

TEST(Schema, TheDocumentedSchemaIsTheMigratedOne) {
    std::ifstream in(KELVANE_SCHEMA_SQL, std::ios::binary);
    ASSERT_TRUE(in) << KELVANE_SCHEMA_SQL;
    std::string documented(std::istreambuf_iterator<char>(in), {});
    // The file's opening comment, up to its first blank line, is not part of the schema.
    documented.erase(0, documented.find("\n\n") + 2);
    EXPECT_EQ(documented, MigratedSchema())
        << "docs/schema.sql should hold the schema of step " << SchemaSteps().size();
}

}  // namespace
}  // namespace kelvane
