#pragma once
// The program's message texts as the user sees them (Shift_JIS here).
namespace msg {
inline constexpr char kCaption[] = "所得税";
inline constexpr char kNoPath[] = "データ出力先が指定されていません。\n\n出力先を指定してください。";
inline constexpr char kBadChar[] = "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
inline constexpr char kBadDrive[] = "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
inline constexpr char kBadFileName[] = "ファイル名が有効でありません。\n\n有効なファイル名を指定してください。";
inline constexpr char kReadOnlyFile[] = "指定されたファイルは読み取り専用です。\n\n出力先を再入力してください。";
inline constexpr char kFolderNotWritable[] = "指定されたフォルダには書き込めません。\n\n出力先を再入力してください。";
inline constexpr char kFixedPathRefused[] = "出力先は変更できないため、出力を中止します。";
inline constexpr char kDone[] = "所得税情報の出力が終了しました。\n\nアプリケーションを終了します。";
inline constexpr char kFailed[] = "XMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。";
inline constexpr char kNoData[] = "選択されているデータが見つかりません。\n\nアプリケーションを終了します。";
inline constexpr char kEnvironment[] =
    "動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。";
inline constexpr char kTaxAppTooOld[] =
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
    "ES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。";
inline constexpr char kComponentTooOld[] =
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
    "連動コンポーネントの最新版を入手してインストールしてからご利用ください。";
}  // namespace msg
