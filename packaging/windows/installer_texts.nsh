; The installer's and the uninstaller's own texts where NSIS's Bulgarian
; language files read otherwise: their captions end with a blank, their
; sizes are written "19.8 МБ" and "72.5 Г Б", they call uninstalling
; "изтриване" where Windows says "деинсталиране", and a few sentences have a
; slip of grammar. Included by cmake/WindowsInstaller.cmake after Name and
; before the pages and the language, whose defaults these take the place of.

; The title bar. (Each page after the first adds Modern UI's page caption,
; a single blank.)
Caption "Инсталиране на Velmora"
UninstallCaption "Деинсталиране на Velmora"

; The space needed and free: NSIS writes a size with a decimal point whatever
; the language, so none is shown.
SpaceTexts none

; The installer's first and last pages.
!define MUI_TEXT_WELCOME_INFO_TITLE "Добре дошли в съветника за инсталиране на Velmora"
!define MUI_TEXT_WELCOME_INFO_TEXT "Съветникът ще инсталира Velmora на компютъра ви.$\r$\n$\r$\n$_CLICK"
!define MUI_TEXT_ABORT_TITLE "Инсталирането е прекратено"
!define MUI_TEXT_FINISH_INFO_TITLE "Инсталирането на Velmora завърши"
!define MUI_TEXT_FINISH_INFO_TEXT "Velmora е инсталирана на компютъра ви.$\r$\n$\r$\nНатиснете „Край“, за да затворите съветника."

; The uninstaller: its button, its confirmation and its progress. (The
; button and the folder's label hold a short word: "Деинсталирай" and
; "Деинсталиране от:" do not fit in them.)
UninstallButtonText "&Премахни"
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Velmora ще бъде деинсталирана от следната папка. Натиснете „Премахни“, за да започне деинсталирането."
!define MUI_UNCONFIRMPAGE_TEXT_LOCATION "От папка:"
!define MUI_UNTEXT_CONFIRM_TITLE "Деинсталиране на Velmora"
!define MUI_UNTEXT_CONFIRM_SUBTITLE "Премахване на Velmora от компютъра."
!define MUI_UNTEXT_UNINSTALLING_TITLE "Деинсталиране"
!define MUI_UNTEXT_UNINSTALLING_SUBTITLE "Изчакайте, Velmora се деинсталира…"
!define MUI_UNTEXT_FINISH_SUBTITLE "Деинсталирането завърши успешно."
!define MUI_UNTEXT_ABORT_TITLE "Деинсталирането е прекратено"
!define MUI_UNTEXT_ABORT_SUBTITLE "Деинсталирането не завърши успешно."
