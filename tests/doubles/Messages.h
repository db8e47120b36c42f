#pragma once
// The program's message texts as the user sees them (Shift_JIS here).
namespace msg {
inline constexpr char kNoPath[] = "データ出力先が指定されていません。\n\n出力先を指定してください。";
inline constexpr char kBadChar[] =
    "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
inline constexpr char kBadDrive[] = "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
inline constexpr char kNoFileName[] = "ファイル名が指定されていません。";
inline constexpr char kCreateFolder[] = "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？";
inline constexpr char kCreateFailed[] = "フォルダの作成に失敗しました。\n\n出力先を再入力してください。";
inline constexpr char kOverwrite[] = "同名のファイルが存在します。\n\n上書きしてもよろしいですか？";
inline constexpr char kPastResults[] =
    "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。";
inline constexpr char kCancelled[] = "｢所得税｣の集計を中止します。";
inline constexpr char kDone[] = "所得税情報の出力が終了しました。\n\nアプリケーションを終了します。";
inline constexpr char kFailed[] = "XMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。";
inline constexpr char kEnvironment[] =
    "動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。";
inline constexpr char kTaxAppTooOld[] =
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
    "ES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。";
inline constexpr char kComponentTooOld[] =
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
    "連動コンポーネントの最新版を入手してインストールしてからご利用ください。";
inline constexpr char kCaption[] = "所得税";
}  // namespace msg
