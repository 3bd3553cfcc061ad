// The launcher's own texts.
#pragma once

namespace launcher {

inline constexpr wchar_t kSiteUnreachable[] = L"Sito Norvel non raggiungibile";
inline constexpr wchar_t kFolderNotCreated[] = L"Non è stato possibile creare la cartella per NorvelAssist";
inline constexpr wchar_t kConfigUnreachable[] = L"File di configurazione non raggiungibile";
inline constexpr wchar_t kObsoleteVersion[] =
    L"State usando una versione obsoleta del programma di assistenza. Vi preghiamo di scaricare dal nostro sito "
    L"la versione più aggiornata.";
inline constexpr wchar_t kFileNotOnServer[] = L"File inesistente sul Server";
inline constexpr wchar_t kDownloadFailed[] =
    L"Non è stato possibile scaricare il programma di assistenza. Riprovare più tardi.";
inline constexpr wchar_t kToolNotStarted[] = L"Non è stato possibile avviare il programma di assistenza.";
inline constexpr wchar_t kToolUnverifiable[] = L"Non è stato possibile verificare il programma di assistenza.";
inline constexpr wchar_t kUnexpectedError[] = L"Si è verificato un errore imprevisto. Riprovare più tardi.";
inline constexpr wchar_t kUpdateFailed[] =
    L"Non è stato possibile aggiornare il programma di assistenza. Riprovare più tardi.";
// The update offer: kUpdateOfferStart + the announced version + kUpdateOfferEnd.
inline constexpr wchar_t kUpdateOfferStart[] = L"È disponibile la versione ";
inline constexpr wchar_t kUpdateOfferEnd[] = L" del programma di assistenza. Installarla ora?";
inline constexpr wchar_t kDownloading[] = L"Attendere prego, download in corso...";
inline constexpr wchar_t kConnecting[] = L"Connessione al server di assistenza in corso...";

inline constexpr wchar_t kWelcomeText[] =
    L"Benvenuti nel software di Assistenza Remota.\r\n"
    L"Vi preghiamo di selezionare il metodo di collegamento premendo uno dei tasti posti qui sotto"
    L" dopo aver concordato l'intervento con un nostro collaboratore allo 0123/456789.";

inline constexpr wchar_t kClauseText[] =
    L"Gentile Cliente,\r\n"
    L"con la presente la informiamo che il tempo di collegamento "
    L"tramite il servizio di assistenza remota è\r\n"
    L"                           (minimo fatturabile 30 minuti) alle tariffe solite in uso.\r\n"
    L"Al termine dell'assistenza Vi verrà inviato un rapportino che riepiloga il tempo e la motivazione "
    L"dell'intervento.\r\n"
    L"Verrà emessa regolare fattura a fine del corrente mese.";

}  // namespace launcher
