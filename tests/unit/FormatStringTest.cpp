#include "platform/FormatString.h"

#include "platform/MessageBox.h"
#include "platform/StringTable.h"
#include "res/Resource.h"
#include "support/MessageRecorder.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, HoldsTheSystemsTextsAndNothingElse) {
    EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), "&About Tarvolin...");
    EXPECT_EQ(LoadResourceString(IDS_VERTEX_LINE), "    %.7f %.7f %.7f");
    EXPECT_EQ(LoadResourceString(IDS_POSITION_LINE), "  position %.7f %.7f %.7f");
    EXPECT_EQ(LoadResourceString(106), "");
    EXPECT_EQ(LoadResourceString(0), "");
}

TEST(FormatString, FillsPlaceholdersLiterally) {
    std::string text;
    AfxFormatString2(text, IDS_INVALID_PARAMETER, "s2", "( 0 , 90 )");
    EXPECT_EQ(text, "Invalid parameter in section s2 = ( 0 , 90 ). Ignoring this transform group.");
    AfxFormatString1(text, IDS_UNEXPECTED_EOF, "%2 100%");
    EXPECT_EQ(text, "Invalid model file (%2 100%) - unexpected end of file found!");
    AfxFormatString1(text, 9999, "x");
    EXPECT_EQ(text, "");
}

TEST(MessageBox, AddsTheExclamationIconToAPlainBox) {
    CMessageRecorder recorder;
    EXPECT_EQ(AfxMessageBox(IDS_NO_FILES_SELECTED), IDOK);
    EXPECT_EQ(AfxMessageBox("Error processing files.", MB_OK), IDOK);
    ShowMessageBox("Processing cancelled.", MB_OK);
    ASSERT_EQ(recorder.Messages().size(), 3u);
    EXPECT_EQ(recorder.Messages()[0].text, "No files selected to process.");
    EXPECT_EQ(recorder.Messages()[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(recorder.Messages()[1].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(recorder.Messages()[2].type, MB_OK);
}

} // namespace
