#pragma once
// The conditions dialog: shows the company data to be exported, takes the
// income kind and the output file, checks the path (creating missing
// folders) and remembers both per user and company data. The window is a
// ClConditionView; this class takes every decision.
#include <cstdint>
#include <string>

#include "dialog/ConditionView.h"
#include "services/FileSystem.h"
#include "services/MessageBox.h"

class ClConditionDlg final : public ClConditionEvents {
public:
    // envFileName: the remembered-path file of the edition.
    ClConditionDlg(ClConditionView& view, ClFileSystem& fs, ClMessageBox& box, const char* envFileName);

    // kIdExecute after a valid Execute, kIdCancel otherwise.
    int DoModal() { return view_.RunModal(*this); }

    // Inputs, set by the run before DoModal (Shift_JIS texts).
    std::string companyText;
    std::string periodText;
    std::string seizoText;
    std::int32_t selNo1 = 0;
    std::int32_t selNo2 = 0;
    std::int32_t pastResults = 0;
    std::uint8_t jigyouKind = 0;
    std::string presetPath;  // fixed by the caller; may be empty
    char userId[65] = {};

    // The run options, read by the run after kIdExecute.
    std::int16_t incomeKind = 0;  // 1 business, 2 other, 3 real estate
    std::string outputPath;
    std::int32_t pathFixed = 0;
    std::string rememberedPath;  // as read at initialisation

    bool OnInitDialog() override;
    void OnBrowse() override;
    void OnExecute() override;
    void OnCancel() override;
    bool PreTranslateMessage(const StKEYMSG& msg) override;

    // 1 with kind and path set when a record of this user and company data
    // exists; 0 otherwise (both untouched).
    int ReadRememberedPath(std::int16_t& kind, std::string& path);
    // Stores kind and path (null: the remembered path) as this user's and
    // company data's record. 1 written; 0 nothing changed.
    int WriteRememberedPath(std::int16_t extra1, std::int16_t extra2, std::int16_t kind, const char* path);

    // The drive test of an output path; 1 valid, 0 not.
    int IsValidDrive(const std::string& path);
    // 1 when the drive of letter can be written to with mode (Windows paths).
    int IsUsableDriveLetter(char letter, int mode);

private:
    void PreselectCategory();
    void TakeRememberedKind(std::int16_t kind);
    std::string ProposedPath();
    bool CheckOutputPath();         // false after a refusal, its message shown
    const char* PathTextRefusal();  // the message refusing the text; null when none
    bool CheckFolder();
    bool CheckTarget();
    void Refuse();
    void Warn(const char* text);
    bool AskYes(const char* text);
    int ReadRecord(std::int16_t& kind, std::string& path);
    int WriteRecord(std::int16_t extra1, std::int16_t extra2, std::int16_t kind, const char* path);
    std::string RecordKey() const;
    std::string RememberedFilePath(std::string& folder);

    ClConditionView& view_;
    ClFileSystem& fs_;
    ClMessageBox& box_;
    const char* envFileName_;
};
