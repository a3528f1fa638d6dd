#include "DatabaseTestSupport.h"

#include "framework/data/Dictionary.h"
#include "framework/data/MemoryBlock.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/RuntimeException.h"

TEST_F(DatabaseTest, FieldsAreFoundIgnoringCaseAndNullReadsAsEmptyAndZero) {
    auto db = createRecipes({"Soup"});
    auto rs = db->SQLSelect("select rowID, * from recipes");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->FieldCount(), 7);
    EXPECT_EQ(rs->Field("RECIPENAME").StringValue(), "Soup");
    EXPECT_EQ(rs->Field("RecipeRtfText").StringValue(), "");
    EXPECT_TRUE(rs->Field("recipeRating").IsNull());
    EXPECT_EQ(rs->Field("recipeRating").IntegerValue(), 0);
    EXPECT_EQ(rs->Field("recipePhoto").BlobValue(), "");
    EXPECT_TRUE(rs->Field("recipePhoto").Value().IsNull());
    EXPECT_EQ(rs->IdxField(2).Name(), "recipeName");
    EXPECT_EQ(rs->IdxField(1).IntegerValue(), 1);
    EXPECT_THROW(rs->Field("nosuch"), NilObjectException);
    EXPECT_THROW(rs->IdxField(0), OutOfBoundsException);
    EXPECT_THROW(rs->IdxField(8), OutOfBoundsException);
    rs->MoveNext();
    EXPECT_TRUE(rs->EOF_());
    EXPECT_THROW(rs->Field("recipeName").StringValue(), NilObjectException);  // no row to read

    auto none = db->SQLSelect("select max(rowID) from recipes where recipeName = 'none'");
    EXPECT_EQ(none->IdxField(1).IntegerValue(), 0);
    EXPECT_EQ(none->IdxField(1).StringValue(), "");
}

TEST_F(DatabaseTest, RowIDsAndIntegersAreSixtyFourBit) {
    auto db = createRecipes({});
    db->SQLExecute("insert into recipes (rowID, recipeName) values (5000000000, 'Big')");
    EXPECT_EQ(db->LastRowID(), 5000000000);
    db->SQLExecute("insert into recipes (recipeName) values ('Next')");
    EXPECT_EQ(db->LastRowID(), 5000000001);  // max + 1, no AUTOINCREMENT
    auto rs = db->SQLSelect("select rowID, recipeName from recipes order by rowID");
    EXPECT_EQ(rs->Field("rowid").Int64Value(), 5000000000);
    EXPECT_EQ(rs->Field("rowid").StringValue(), "5000000000");
    EXPECT_EQ(rs->Field("rowid").Value().Type(), VariantType::Int64);
}

TEST_F(DatabaseTest, ValuesReadAsTheOldFrameworkReadThem) {
    auto db = createRecipes({});
    db->SQLExecute("create table v (i integer, d real, t text, b blob)");
    db->SQLExecute("insert into v values ('4', 250.0, '12 eggs', x'00FF00')");
    auto rs = db->SQLSelect("select i, typeof(i), d, t, b from v");
    EXPECT_EQ(rs->IdxField(2).StringValue(), "integer");  // integer affinity stores '4' as 4
    EXPECT_EQ(rs->Field("d").StringValue(), "250.0");
    EXPECT_EQ(rs->Field("d").IntegerValue(), 250);
    EXPECT_EQ(rs->Field("t").IntegerValue(), 12);
    EXPECT_DOUBLE_EQ(rs->Field("t").DoubleValue(), 12);
    EXPECT_TRUE(rs->Field("i").BooleanValue());
    EXPECT_EQ(rs->Field("b").BlobValue(), std::string("\x00\xFF\x00", 3));
    EXPECT_EQ(rs->Field("b").Value().StringBytes().bytes, std::string("\x00\xFF\x00", 3));
}

TEST_F(DatabaseTest, RecordSetsHoldTheirRowsWhileTheTableChanges) {
    auto db = createRecipes({"A", "B", "C"});
    auto rs = db->SQLSelect("select rowID, recipeName from recipes order by rowID");
    EXPECT_EQ(rs->RecordCount(), 3);
    db->SQLExecute("delete from recipes");
    std::string seen;
    for (; !rs->EOF_(); rs->MoveNext()) seen += rs->Field("recipeName").StringValue();
    EXPECT_EQ(seen, "ABC");
    rs->MoveLast();
    EXPECT_EQ(rs->Field("recipeName").StringValue(), "C");
    // Read by position, the current row stays; outside the rows, nothing.
    EXPECT_EQ(rs->StringAt(1, 2), "B");
    EXPECT_EQ(rs->Int64At(2, 1), 3);
    EXPECT_EQ(rs->StringAt(3, 2), "");
    EXPECT_EQ(rs->StringAt(0, 3), "");
    EXPECT_EQ(rs->Int64At(-1, 1), 0);
    EXPECT_EQ(rs->Field("recipeName").StringValue(), "C");
    rs->Close();
    EXPECT_TRUE(rs->EOF_());
    EXPECT_EQ(rs->RecordCount(), 0);
}

TEST_F(DatabaseTest, APlainSelectStarIsEditedByItsHiddenRowID) {
    auto db = createRecipes({"Soup", "Bread"});
    db->SQLExecute("update recipes set recipeKeywords = 'hot', recipeRating = 4 where recipeName = 'Soup'");
    db->Commit();
    auto rs = db->SQLSelect("select * from recipes where rowID = 1");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->FieldCount(), 6);  // the hidden rowid stays out of sight
    EXPECT_THROW(rs->Field("_rowid_"), NilObjectException);
    rs->Edit();
    ASSERT_FALSE(db->Error()) << db->ErrorMessage();
    rs->Field("RecipeRtfText").SetStringValue("{\\rtf1 it's 'quoted'}");
    rs->Field("recipePhoto").SetBlobValue(std::string("\xFF\xD8\x00\xFF", 4));
    EXPECT_EQ(rs->Field("recipeRtfText").StringValue(), "{\\rtf1 it's 'quoted'}");  // the row as it will be
    rs->Update();
    ASSERT_FALSE(db->Error()) << db->ErrorMessage();
    db->Commit();
    EXPECT_EQ(peek("select recipeRtfText from recipes where rowID = 1"), "{\\rtf1 it's 'quoted'}");
    EXPECT_EQ(peek("select recipeKeywords || recipeRating from recipes where rowID = 1"), "hot4");
    EXPECT_EQ(peek("select length(recipePhoto) from recipes where rowID = 1"), "4");
    EXPECT_EQ(peek("select count(*) from recipes where recipeRtfText is null"), "1");  // Bread untouched
}

TEST_F(DatabaseTest, ConversionWalkEditsEveryRowOfASelectWithRowIDAndStar) {
    auto db = createRecipes({"Soup", "Bread", "Jam"});
    auto rs = db->SQLSelect("select rowID,* from recipes order by rowID");
    ASSERT_TRUE(rs);
    ASSERT_TRUE(rs->Editable());
    for (; !rs->EOF_(); rs->MoveNext()) {
        rs->Edit();
        rs->Field("RecipeRtfText").SetStringValue("{\\rtf1 " + rs->Field("RecipeText").StringValue() + "}");
        rs->Update();
        ASSERT_FALSE(db->Error()) << db->ErrorMessage();
    }
    db->Commit();
    EXPECT_EQ(peek("select recipeRtfText from recipes order by rowID"), "{\\rtf1 text},{\\rtf1 text},{\\rtf1 text}");
}

TEST_F(DatabaseTest, OnlyPlainOneTableSelectsCanBeEdited) {
    auto db = createRecipes({"Soup"});
    for (const char* sql : {"select count(*) from recipes group by recipeName",
                            "select distinct recipeName from recipes",
                            "select r.recipeName from recipes r",
                            "select a.recipeName from recipes a join recipes b on a.rowID = b.rowID",
                            "select recipeName from recipes union select recipeName from recipes",
                            "select * from (select * from recipes)"}) {
        auto rs = db->SQLSelect(sql);
        ASSERT_TRUE(rs) << sql << ": " << db->ErrorMessage();
        EXPECT_FALSE(rs->Editable()) << sql;
        rs->Edit();
        EXPECT_TRUE(db->Error()) << sql;
    }
    auto expression = db->SQLSelect("select upper(recipeName) as shout, recipeText from recipes");
    ASSERT_TRUE(expression && expression->Editable());
    expression->Edit();
    expression->Field("shout").SetStringValue("x");
    expression->Update();
    EXPECT_TRUE(db->Error());  // an expression is no column to write to
    auto quoted = db->SQLSelect("select \"recipeName\" from \"recipes\" where recipeName like 'S%'");
    ASSERT_TRUE(quoted && quoted->Editable());
    EXPECT_EQ(quoted->RecordCount(), 1);
    auto commented = db->SQLSelect("select * from main.recipes -- the whole table");
    ASSERT_TRUE(commented && commented->Editable()) << db->ErrorMessage();
    EXPECT_EQ(db->SQLSelect("select * from recipes where recipeName = 'unterminated"), nullptr);
    EXPECT_TRUE(db->Error());
    auto rs = db->SQLSelect("select * from recipes");
    rs->Field("recipeName").SetStringValue("no Edit first");
    EXPECT_TRUE(db->Error());
}

TEST_F(DatabaseTest, BoundValuesAreNeverReadAsSQL) {
    auto db = createRecipes({});
    const std::string hostile = "O'Brien'); drop table recipes; --";
    db->SQLExecute("insert into recipes (recipeName, recipeRating, recipePhoto) values (?, ?, ?)",
                   {hostile, 5, MemoryBlock::FromString(std::string("\0\1", 2))});
    ASSERT_FALSE(db->Error()) << db->ErrorMessage();
    auto rs = db->SQLSelect("select * from recipes where recipeName = ?", {hostile});
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Field("recipeRating").IntegerValue(), 5);
    EXPECT_EQ(rs->Field("recipePhoto").BlobValue(), std::string("\0\1", 2));

    db->SQLExecute("update recipes set recipeName = ?", {});
    EXPECT_TRUE(db->Error());  // too few values
    db->SQLExecute("update recipes set recipeName = ?; delete from recipes", {"x"});
    EXPECT_TRUE(db->Error());  // values need a text of one statement
    db->SQLExecute("update recipes set recipeName = ?", {std::make_shared<Dictionary>()});
    EXPECT_TRUE(db->Error());
    EXPECT_EQ(db->SQLSelect("select recipeName from recipes")->IdxField(1).StringValue(), hostile);
}

TEST_F(DatabaseTest, EngineFactsTheRecipeStatementsRelyOn) {
    auto db = createRecipes({"Apple Pie", "banana bread"});
    EXPECT_EQ(db->SQLSelect("select count(*) from recipes where recipeName like '%BREAD%'")->IdxField(1).IntegerValue(), 1);
    EXPECT_EQ(db->SQLSelect("select count(*) from recipes where recipeName like 'apple_pie'")->IdxField(1).IntegerValue(), 1);
    db->SQLExecute("delete from recipes where rowID = 2");
    db->SQLExecute("insert into recipes (recipeName) values ('Cake')");
    EXPECT_EQ(db->LastRowID(), 2);  // the largest rowID plus one
    db->SQLExecute("alter table recipes rename to r2; alter table r2 rename to recipes");
    EXPECT_FALSE(db->Error()) << db->ErrorMessage();
}

TEST_F(DatabaseTest, PhotosAreStoredAsJPEGAndNullMeansNone) {
    auto db = createRecipes({"Soup"});
    auto rs = db->SQLSelect("select * from recipes where rowID = 1");
    EXPECT_EQ(rs->Field("recipePhoto").JPEGValue(), nullptr);
    auto picture = NewPicture(40, 30);
    ASSERT_TRUE(picture);
    rs->Edit();
    rs->Field("recipePhoto").SetJPEGValue(picture);
    rs->Update();
    ASSERT_FALSE(db->Error()) << db->ErrorMessage();
    auto again = db->SQLSelect("select rowID,* from recipes where rowID = 1");
    EXPECT_EQ(again->Field("recipePhoto").BlobValue().substr(0, 2), "\xFF\xD8");  // a JPEG stream
    auto read = again->Field("recipePhoto").JPEGValue();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Width(), 40);
    EXPECT_EQ(read->Height(), 30);

    again->Edit();
    again->Field("recipePhoto").SetJPEGValue(nullptr);
    again->Update();
    EXPECT_EQ(peek("select count(*) from recipes where recipePhoto is null"), "1");
    db->SQLExecute("update recipes set recipePhoto = x'0102'");
    EXPECT_EQ(db->SQLSelect("select recipePhoto from recipes")->IdxField(1).JPEGValue(), nullptr);  // not a picture
}

TEST_F(DatabaseTest, ManySmallAndSomeLargeValuesReadBackIntact) {
    auto db = createRecipes({});
    std::string photo(100000, '\0');
    for (size_t i = 0; i < photo.size(); ++i) photo[i] = static_cast<char>(i * 31);
    for (int i = 0; i < 5000; ++i) {
        Variant blob = i % 1000 == 0 ? Variant(MemoryBlock::FromString(photo)) : Variant();
        db->SQLExecute("insert into recipes (recipeName, recipePhoto) values (?, ?)",
                       {"Recipe " + std::to_string(i) + std::string(static_cast<size_t>(i % 40), '+'), blob});
    }
    auto rs = db->SQLSelect("select rowID, * from recipes order by rowID");
    ASSERT_EQ(rs->RecordCount(), 5000);
    for (int i = 0; !rs->EOF_(); rs->MoveNext(), ++i) {
        ASSERT_EQ(rs->Field("recipeName").StringValue(),
                  "Recipe " + std::to_string(i) + std::string(static_cast<size_t>(i % 40), '+'));
        ASSERT_EQ(rs->Field("recipePhoto").BlobValue(), i % 1000 == 0 ? photo : "") << i;
    }
    rs->MoveFirst();
    rs->Edit();
    rs->Field("recipeName").SetStringValue(std::string(70000, 'n'));  // replaced by a large value
    rs->Update();
    ASSERT_FALSE(db->Error()) << db->ErrorMessage();
    EXPECT_EQ(rs->Field("recipeName").StringValue(), std::string(70000, 'n'));
    rs->MoveNext();
    EXPECT_EQ(rs->Field("recipeName").StringValue(), "Recipe 1+");
}

// Row by row: the same rows as a materialised select, forward only, with no
// count; a walk that cannot go on (the connection closed under it) ends
// early with the error set, so a caller never takes a cut-short walk for all.
TEST_F(DatabaseTest, RowByRowGivesTheRowsInOrderAndReportsAWalkCutShort) {
    auto db = createRecipes({"Soup", "Bread", "Jam"});
    auto rows = db->SQLSelectRowByRow("select recipeName, length(recipeText) from recipes order by recipeName");
    ASSERT_TRUE(rows) << db->ErrorMessage();
    EXPECT_EQ(rows->RecordCount(), -1);
    std::vector<std::string> names;
    for (; !rows->EOF_(); rows->MoveNext())
        names.push_back(rows->Field("recipeName").StringValue() + rows->IdxField(2).StringValue());
    EXPECT_EQ(names, (std::vector<std::string>{"Bread4", "Jam4", "Soup4"}));
    EXPECT_FALSE(db->Error());
    rows->MoveFirst();
    EXPECT_TRUE(db->Error());  // forward only

    auto cut = db->SQLSelectRowByRow("select recipeName from recipes");
    ASSERT_TRUE(cut && !cut->EOF_());
    db->Close();
    ASSERT_TRUE(db->Connect());
    cut->MoveNext();
    EXPECT_TRUE(cut->EOF_());
    EXPECT_TRUE(db->Error());
}

TEST_F(DatabaseTest, RowByRowTakesOneSelectThatChangesNothing) {
    auto db = createRecipes({"Soup"});
    for (const char* sql : {"delete from recipes", "select 1; select 2", "select * from nowhere"}) {
        EXPECT_EQ(db->SQLSelectRowByRow(sql), nullptr) << sql;
        EXPECT_TRUE(db->Error()) << sql;
    }
    EXPECT_EQ(peek("select count(*) from recipes"), "1");
}
