// SPDX-License-Identifier: GPL-3.0-or-later
// The explanations, one per code from 600 to 878, in code order: the
// windows' 201 (600 to 800) first, then the command's later RAS codes.
//
// House style of the texts: Arabic yeh (U+064A) and kaf (U+0643), single
// plain spaces (also between a verbal prefix and its verb, "مي شود"), Latin
// technical terms in Latin script, ASCII digits, and a final " .". A few
// entries keep an older form of their own (a leading space, a leading ". ",
// a glued full stop); they are returned exactly as stored. Codes without an
// explanation of their own answer ".". Every entry also carries the code's
// symbol as the Windows headers name it (upper case, as there).
#include "catalogue/error_catalogue.h"

#include <array>

namespace dialnote {
namespace {

constexpr std::array<CatalogueEntry, ErrorCatalogue::kCommandCount> kEntries{{
    {u"600",
     u"اگر سيستم در حال شماره گيري باشد و دوباره شماره گيري نماييد اين خطا نمايش داده مي شود .",
     "PENDING"},
    {u"601", u"شناسه (handle) داده شده براي Port نامعتبر است .", "ERROR_INVALID_PORT_HANDLE"},
    {u"602", u"Port مورد نظر قبلا باز شده است و نمي توان دوباره آن را باز كرد .",
     "ERROR_PORT_ALREADY_OPEN"},
    {u"603", u"بافر داده شده براي نگهداري نتيجه كوچك است .", "ERROR_BUFFER_TOO_SMALL"},
    {u"604", u"اطلاعات داده شده براي Port نادرست است .", "ERROR_WRONG_INFO_SPECIFIED"},
    {u"605", u"تنظيمات درخواست شده براي Port اعمال نشد .", "ERROR_CANNOT_SET_PORT_INFO"},
    {u"606", u"Port مورد نظر هيچ اتصال فعالي ندارد .", "ERROR_PORT_NOT_CONNECTED"},
    {u"607", u"سرويس دسترسي از راه دور يك رويداد نامعتبر را تشخيص داده است .",
     "ERROR_EVENT_INVALID"},
    {u"608", u"دستگاه نام برده شده در درخواست وجود ندارد .", "ERROR_DEVICE_DOES_NOT_EXIST"},
    {u"609", u"نوع دستگاه نام برده شده در درخواست وجود ندارد .", "ERROR_DEVICETYPE_DOES_NOT_EXIST"},
    {u"610", u"بافر ندارد .", "ERROR_BUFFER_INVALID"},
    {u"611", u"مسير درخواست شده در دسترس نيست .", "ERROR_ROUTE_NOT_AVAILABLE"},
    {u"612", u"مسير مورد نظر تخصيص داده نشده است .", "ERROR_ROUTE_NOT_ALLOCATED"},
    {u"613", u"تنظيم فشرده سازي درخواست شده نامعتبر است .", "ERROR_INVALID_COMPRESSION_SPECIFIED"},
    {u"614", u"بافر كافي در دسترس نيست .", "ERROR_OUT_OF_BUFFERS"},
    {u"615", u"Port نام برده شده در درخواست پيدا نشد .", "ERROR_PORT_NOT_FOUND"},
    {u"616", u"يك درخواست غير همزمان هنوز پايان نيافته است .", "ERROR_ASYNC_REQUEST_PENDING"},
    {u"617", u"Port يا دستگاه از قبل در حال قطع اتصال است .", "ERROR_ALREADY_DISCONNECTING"},
    {u"618", u"Port مورد نظر باز نشده است .", "ERROR_PORT_NOT_OPEN"},
    {u"619", u"Port مورد نظر در وضعيت قطع اتصال قرار دارد .", "ERROR_PORT_DISCONNECTED"},
    {u"620", u"هيچ نقطه پاياني براي اين اتصال پيدا نشد .", "ERROR_NO_ENDPOINTS"},
    {u"621", u"فايل دفترچه تلفن باز نمي شود . وجود فايل و دسترسي به آن را بررسي كنيد .",
     "ERROR_CANNOT_OPEN_PHONEBOOK"},
    {u"622", u"فايل دفترچه تلفن بارگذاري نمي شود .", "ERROR_CANNOT_LOAD_PHONEBOOK"},
    {u"623", u"مورد درخواست شده در دفترچه تلفن وجود ندارد . نام اتصال را بررسي كنيد .",
     "ERROR_CANNOT_FIND_PHONEBOOK_ENTRY"},
    {u"624", u"نوشتن در فايل دفترچه تلفن انجام نشد .", "ERROR_CANNOT_WRITE_PHONEBOOK"},
    {u"625", u"دفترچه تلفن حاوي اطلاعات نامعتبر يا خراب است .", "ERROR_CORRUPT_PHONEBOOK"},
    {u"626", u"يك رشته متني از منابع برنامه بارگذاري نشد .", "ERROR_CANNOT_LOAD_STRING"},
    {u"627", u"كليد درخواست شده پيدا نشد .", "ERROR_KEY_NOT_FOUND"},
    {u"628", u"اتصال روي Port قطع شد .", "ERROR_DISCONNECTION"},
    {u"629", u"كامپيوتر راه دور اتصال روي Port را قطع كرد .", "ERROR_REMOTE_DISCONNECTION"},
    {u"630", u"به علت اشكال سخت افزاري اتصال Port قطع شد . modem و كابل ها را بررسي كنيد .",
     "ERROR_HARDWARE_FAILURE"},
    {u"631", u"اتصال روي Port توسط كاربر قطع شد .", "ERROR_USER_DISCONNECTION"},
    {u"632", u"ساختاري با مقدار اندازه نادرست ارسال شده است .", "ERROR_INVALID_SIZE"},
    {u"633",
     u"Port (modem يا دستگاه ديگر) در حال استفاده است يا براي تماس هاي خروجي دسترسي از راه دور "
     u"فعال نشده است .",
     "ERROR_PORT_NOT_AVAILABLE"},
    {u"634", u"ثبت اين كامپيوتر در شبكه راه دور انجام نشد .", "ERROR_CANNOT_PROJECT_CLIENT"},
    {u"635", u"خطايي با علت ناشناخته رخ داده است .", "ERROR_UNKNOWN"},
    {u"636", u"دستگاه متصل به Port دستگاه مورد انتظار نيست .", "ERROR_WRONG_DEVICE_ATTACHED"},
    {u"637", u"تبديل يك رشته كاراكتري انجام نشد .", "ERROR_BAD_STRING"},
    {u"638", u"زمان درخواست به پايان رسيد و درخواست كامل نشد .", "ERROR_REQUEST_TIMEOUT"},
    {u"639", u"هيچ شبكه NetBIOS غير همزمان (شماره LAN adapter) در دسترس نيست .",
     "ERROR_CANNOT_GET_LANA"},
    {u"640", u"يك خطاي NetBIOS رخ داده است .", "ERROR_NETBIOS_ERROR"},
    {u"641", u"سرور نمي تواند منابع NetBIOS مورد نياز سرويس گيرنده را تخصيص دهد .",
     "ERROR_SERVER_OUT_OF_RESOURCES"},
    {u"642", u"يكي از نام هاي NetBIOS اين كامپيوتر از قبل در شبكه راه دور ثبت شده است .",
     "ERROR_NAME_EXISTS_ON_NET"},
    {u"643", u"كارت شبكه سرور دچار خرابي شده است .", "ERROR_SERVER_GENERAL_NET_FAILURE"},
    {u"644",
     u"نام مستعار سرويس پيام رسان ثبت نشد . بنابراين پيام هاي شبكه به صورت پنجره بازشو نمايش داده "
     u"نمي شوند .",
     "WARNING_MSG_ALIAS_NOT_ADDED"},
    {u"645", u"Authentication داخلي اشكال پيدا كرده است.", "ERROR_AUTH_INTERNAL"},
    {u"646",
     u"حساب كاربري اجازه ورود به شبكه در اين ساعت از روز را ندارد . ساعات مجاز ورود را با مدير "
     u"شبكه بررسي كنيد .",
     "ERROR_RESTRICTED_LOGON_HOURS"},
    {u"647", u"حساب كاربري غير فعال شده است . با مدير شبكه تماس بگيريد .", "ERROR_ACCT_DISABLED"},
    {u"648", u"كلمه عبور حساب كاربري منقضي شده است .", "ERROR_PASSWD_EXPIRED"},
    {u"649", u"به حساب كاربري اجازه دسترسي از راه دور داده نشده است .",
     "ERROR_NO_DIALIN_PERMISSION"},
    {u"650", u"از سرور دسترسي از راه دور پاسخي دريافت نشد .", "ERROR_SERVER_NOT_RESPONDING"},
    {u"651", u"modem يا دستگاه ارتباطي خطايي گزارش كرده است .", "ERROR_FROM_DEVICE"},
    {u"652", u"دستگاه پاسخي فرستاده است كه قابل شناسايي نيست .", "ERROR_UNRECOGNIZED_RESPONSE"},
    {u"653", u"يك macro مورد نياز دستگاه در بخش مربوط به آن در فايل .INF دستگاه وجود ندارد .",
     "ERROR_MACRO_NOT_FOUND"},
    {u"654", u"يك فرمان يا پاسخ در بخش دستگاه در فايل .INF از يك macro تعريف نشده استفاده مي كند .",
     "ERROR_MACRO_NOT_DEFINED"},
    {u"655", u"macro مربوط به message در بخش دستگاه در فايل .INF وجود ندارد .",
     "ERROR_MESSAGE_MACRO_NOT_FOUND"},
    {u"656",
     u"macro مربوط به defaultoff در بخش دستگاه در فايل .INF از يك macro تعريف نشده استفاده مي كند "
     u".",
     "ERROR_DEFAULTOFF_MACRO_NOT_FOUND"},
    {u"657", u"فايل .INF دستگاه باز نمي شود .", "ERROR_FILE_COULD_NOT_BE_OPENED"},
    {u"658", u"نام دستگاه در فايل .INF دستگاه يا فايل .INI رسانه از حد مجاز طولاني تر است .",
     "ERROR_DEVICENAME_TOO_LONG"},
    {u"659", u"فايل .INI رسانه به دستگاه ناشناخته اي اشاره مي كند .", "ERROR_DEVICENAME_NOT_FOUND"},
    {u"660", u"براي يكي از فرمان ها ، هيچ پاسخ مورد انتظاري در فايل .INF دستگاه تعريف نشده است .",
     "ERROR_NO_RESPONSES"},
    {u"661", u"يك فرمان در فايل .INF دستگاه وجود ندارد .", "ERROR_NO_COMMAND_FOUND"},
    {u"662", u"تلاش شد يك macro تنظيم شود كه در بخش دستگاه در فايل .INF فهرست نشده است .",
     "ERROR_WRONG_KEY_SPECIFIED"},
    {u"663", u"فايل .INI رسانه به نوع دستگاه ناشناخته اي اشاره مي كند .",
     "ERROR_UNKNOWN_DEVICE_TYPE"},
    {u"664",
     u"حافظه كافي براي انجام اين كار وجود ندارد . برخي از برنامه ها را ببنديد و دوباره تلاش كنيد "
     u".",
     "ERROR_ALLOCATING_MEMORY"},
    {u"665", u"Port براي دسترسي از راه دور پيكر بندي نشده است .", "ERROR_PORT_NOT_CONFIGURED"},
    {u"666",
     u"modem يا دستگاه ارتباطي ديگر كار نمي كند يا آماده نيست . روشن بودن و اتصال آن را بررسي كنيد "
     u".",
     "ERROR_DEVICE_NOT_READY"},
    {u"667", u"فايل .INI رسانه خوانده نمي شود .", "ERROR_READING_INI_FILE"},
    {u"668", u"ارتباط با كامپيوتر راه دور از دست رفت .", "ERROR_NO_CONNECTION"},
    {u"669", u"پارامتر usage در فايل .INI رسانه نامعتبر است .", "ERROR_BAD_USAGE_IN_INI_FILE"},
    {u"670", u"نام بخش در فايل .INI رسانه خوانده نمي شود .", "ERROR_READING_SECTIONNAME"},
    {u"671", u"نوع دستگاه در فايل .INI رسانه خوانده نمي شود .", "ERROR_READING_DEVICETYPE"},
    {u"672", u"نام دستگاه در فايل .INI رسانه خوانده نمي شود .", "ERROR_READING_DEVICENAME"},
    {u"673", u" نمي تواند كاربر را از روي فايل .INI رسانه بخواند .", "ERROR_READING_USAGE"},
    {u"674", u"حداكثر سرعت اتصال (bps) در فايل .INI رسانه خوانده نمي شود .",
     "ERROR_READING_MAXCONNECTBPS"},
    {u"675", u"حداكثر سرعت carrier (bps) در فايل .INI رسانه خوانده نمي شود .",
     "ERROR_READING_MAXCARRIERBPS"},
    {u"676", u"خط تلفن شماره گرفته شده مشغول است . بعدا دوباره شماره گيري كنيد .",
     "ERROR_LINE_BUSY"},
    {u"677", u"به جاي modem يك شخص به تماس پاسخ داد . شماره تلفن را بررسي كنيد .",
     "ERROR_VOICE_ANSWER"},
    {u"678", u". پاسخي وجود ندارد", "ERROR_NO_ANSWER"},
    {u"679", u"هيچ سيگنال carrier روي خط تشخيص داده نشد .", "ERROR_NO_CARRIER"},
    {u"680", u"بوق آزاد روي خط تلفن تشخيص داده نشد . اتصال خط تلفن را بررسي كنيد .",
     "ERROR_NO_DIALTONE"},
    {u"681", u"modem يا دستگاه شماره گيري خطاي كلي گزارش كرد .", "ERROR_IN_COMMAND"},
    {u"682", u"نوشتن نام بخش انجام نشد .", "ERROR_WRITING_SECTIONNAME"},
    {u"683", u"نوشتن نوع دستگاه انجام نشد .", "ERROR_WRITING_DEVICETYPE"},
    {u"684", u"نوشتن نام دستگاه انجام نشد .", "ERROR_WRITING_DEVICENAME"},
    {u"685", u"نوشتن حداكثر سرعت اتصال انجام نشد .", "ERROR_WRITING_MAXCONNECTBPS"},
    {u"686", u"نوشتن حداكثر سرعت carrier انجام نشد .", "ERROR_WRITING_MAXCARRIERBPS"},
    {u"687", u"نوشتن مقدار usage انجام نشد .", "ERROR_WRITING_USAGE"},
    {u"688", u"نوشتن تنظيم defaultoff انجام نشد .", "ERROR_WRITING_DEFAULTOFF"},
    {u"689",
     u"براي اين خطا شرحي ثبت نشده است . به احتمال زياد خواندن تنظيم defaultoff انجام نشده است .",
     "ERROR_READING_DEFAULTOFF"},
    {u"690", u"فايل .INI رسانه خالي است .", "ERROR_EMPTY_INI_FILE"},
    {u"691",
     u"دسترسي رد شد زيرا نام كاربري يا كلمه عبور در دامنه پذيرفته نشد . نام كاربري و كلمه عبور را "
     u"بررسي كنيد .",
     "ERROR_AUTHENTICATION_FAILURE"},
    {u"692", u"Port يا دستگاه متصل به آن دچار خرابي سخت افزاري شده است .", "ERROR_PORT_OR_DEVICE"},
    {u"693", u"يك macro دودويي مورد انتظار بود اما macro داده شده از اين نوع نيست .",
     "ERROR_NOT_BINARY_MACRO"},
    {u"694", u"بلوك كنترل دستگاه (DCB) پيدا نشد .", "ERROR_DCB_NOT_FOUND"},
    {u"695", u"ماشين هاي حالت داخلي هنوز راه اندازي نشده اند .",
     "ERROR_STATE_MACHINES_NOT_STARTED"},
    {u"696", u"ماشين هاي حالت داخلي قبلا راه اندازي شده اند .",
     "ERROR_STATE_MACHINES_ALREADY_STARTED"},
    {u"697", u"پردازش پاسخ هاي دستگاه روي يك پاسخ ناقص در يك حلقه تكراري گير كرده است .",
     "ERROR_PARTIAL_RESPONSE_LOOPING"},
    {u"698", u"نام يك كليد پاسخ در فايل .INF دستگاه نادرست است .", "ERROR_UNKNOWN_RESPONSE_KEY"},
    {u"699", u"پاسخ دستگاه از ظرفيت بافر دريافت بيشتر بود و بافر سرريز شد .",
     "ERROR_RECV_BUF_FULL"},
    {u"700", u"يكي از فرمان هاي فايل .INF دستگاه پس از جايگزيني macro ها بيش از حد طولاني مي شود .",
     "ERROR_CMD_TOO_LONG"},
    {u"701",
     u"دستگاه به سرعت اتصالي تغيير كرده است كه درايور COM (Port سريال) از آن پشتيباني نمي كند .",
     "ERROR_UNSUPPORTED_BPS"},
    {u"702", u". پاسخ دستگاه دريافت مي گردد زماني كه هيچكس انتظار ندارد",
     "ERROR_UNEXPECTED_RESPONSE"},
    {u"703", u"عمليات انجام نشد زيرا حالت تعاملي فعال است .", "ERROR_INTERACTIVE_MODE"},
    {u"704", u"شماره callback وارد شده معتبر نيست .", "ERROR_BAD_CALLBACK_NUMBER"},
    {u"705", u"وضعيت احراز هويت داده شده نامعتبر است .", "ERROR_INVALID_AUTH_STATE"},
    {u"706", u"نوشتن سرعت اوليه اتصال انجام نشد .", "ERROR_WRITING_INITBPS"},
    {u"707", u"علامت خطاياب . x. 25", "ERROR_X25_DIAGNOSTIC"},
    {u"708", u"تاريخ اعتبار حساب كاربري به پايان رسيده است .", "ERROR_ACCT_EXPIRED"},
    {u"709", u"تغيير كلمه عبور در دامنه انجام نشد .", "ERROR_CHANGING_PASSWORD"},
    {u"710", u"هنگام ارتباط با modem خطاي سرريز (overrun) در Port سريال رخ داد .", "ERROR_OVERRUN"},
    {u"711",
     u"مدير اتصال دسترسي از راه دور (RasMan) راه اندازي نشد . براي جزئيات به event log مراجعه كنيد "
     u".",
     "ERROR_RASMAN_CANNOT_INITIALIZE"},
    {u"712",
     u"Port دو طرفه (biplex) هنوز در حال راه اندازي است . چند ثانيه صبر كنيد و دوباره شماره گيري "
     u"كنيد .",
     "ERROR_BIPLEX_PORT_NOT_AVAILABLE"},
    {u"713", u"در حال حاضر هيچ خط ISDN فعالي وجود ندارد .", "ERROR_NO_ACTIVE_ISDN_LINES"},
    {u"714", u"هيچ كانال ISDN آزادي براي تماس وجود ندارد .", "ERROR_NO_ISDN_CHANNELS_AVAILABLE"},
    {u"715", u"كيفيت پايين خط تلفن باعث خطاهاي زياد شده است .", "ERROR_TOO_MANY_LINE_ERRORS"},
    {u"716", u"تنظيمات IP براي دسترسي از راه دور قابل استفاده نيست . آنها را بررسي كنيد .",
     "ERROR_IP_CONFIGURATION"},
    {u"717", u"همه آدرس هاي مجموعه ثابت آدرس IP دسترسي از راه دور در حال استفاده هستند .",
     "ERROR_NO_IP_ADDRESSES"},
    {u"718", u"زمان مذاكره PPP به پايان رسيد .", "ERROR_PPP_TIMEOUT"},
    {u"719", u"كامپيوتر راه دور اتصال PPP را پايان داد .", "ERROR_PPP_REMOTE_TERMINATED"},
    {u"720", u"هيچ پروتكل كنترل شبكه اي براي مذاكره PPP پيكر بندي نشده است .",
     "ERROR_PPP_NO_PROTOCOLS_CONFIGURED"},
    {u"721", u"طرف مقابل PPP در سمت راه دور پاسخ نمي دهد .", "ERROR_PPP_NO_RESPONSE"},
    {u"722", u"يك بسته PPP نامعتبر دريافت شد .", "ERROR_PPP_INVALID_PACKET"},
    {u"723", u"شماره تلفن همراه با پيشوند و پسوند آن از حداكثر طول مجاز بيشتر است .",
     "ERROR_PHONE_NUMBER_TOO_LONG"},
    {u"724",
     u"IPX نمي تواند شماره گيري خروجي انجام دهد زيرا اين كامپيوتر يك مسيرياب (router) IPX است و "
     u"براي dial-out پيكر بندي نشده است .",
     "ERROR_IPXCP_NO_DIALOUT_CONFIGURED"},
    {u"725",
     u"شماره گيري ورودي (dial-in) با IPX ممكن نيست زيرا مسيرياب IPX روي اين كامپيوتر "
     u"نصب نشده است .",
     "ERROR_IPXCP_NO_DIALIN_CONFIGURED"},
    {u"726", u"پروتكل IPX نمي تواند براي dial – out ، روي بيش از يك درگاه در يك زمان استفاده شود .",
     "ERROR_IPXCP_DIALOUT_ALREADY_ACTIVE"},
    {u"727", u"دسترسي به فايل TCPCFG.DLL ممكن نيست .", "ERROR_ACCESSING_TCPCFGDLL"},
    {u"728",
     u"دسترسي از راه دور نتوانست كارت شبكه (adapter) با پروتكل IP متصل به خود را پيدا كند .",
     "ERROR_NO_IP_RAS_ADAPTER"},
    {u"729", u"SLIP نياز دارد كه پروتكل IP نصب شده باشد .", "ERROR_SLIP_REQUIRES_IP"},
    {u"730", u"ثبت اين كامپيوتر در شبكه هنوز كامل نشده است .", "ERROR_PROJECTION_NOT_COMPLETE"},
    {u"731", u". پروتكل پيكر بندي نمي شود", "ERROR_PROTOCOL_NOT_CONFIGURED"},
    {u"732", u"مذاكره PPP به نتيجه نمي رسد و دو طرف نمي توانند روي تنظيمات توافق كنند .",
     "ERROR_PPP_NOT_CONVERGING"},
    {u"733",
     u"سرور پروتكل كنترل PPP لازم براي پروتكل شبكه درخواست شده را رد كرده است يا آن را ندارد .",
     "ERROR_PPP_CP_REJECTED"},
    {u"734", u"جلسه LCP (Link Control Protocol) در PPP پايان يافت .", "ERROR_PPP_LCP_TERMINATED"},
    {u"735", u"سرور آدرس درخواست شده را نپذيرفت .", "ERROR_PPP_REQUIRED_ADDRESS_REJECTED"},
    {u"736", u"كامپيوتر راه دور پروتكل كنترل شبكه PPP (NCP) را متوقف كرد .",
     "ERROR_PPP_NCP_TERMINATED"},
    {u"737", u" نقطه برگشت ( LOOPBACK DETECTED ) شناسايي شد .", "ERROR_PPP_LOOPBACK_DETECTED"},
    {u"738", u"سرور هيچ آدرسي به اين اتصال اختصاص نداد .", "ERROR_PPP_NO_ADDRESS_ASSIGNED"},
    {u"739", u"سرور راه دور نمي تواند از پسورد ENCRYPTED ويندوز NT استفاده نمايد.",
     "ERROR_CANNOT_USE_LOGON_CREDENTIALS"},
    {u"740",
     u" دستگاه هاي TAPI كه براي remote access پيكر بندي مي گردند به طور صحيح نصب و آماده نشده اند "
     u".",
     "ERROR_TAPI_CONFIGURATION"},
    {u"741", u" كامپيوتر محلي از encryption پشتيباني نمي نمايد .", "ERROR_NO_LOCAL_ENCRYPTION"},
    {u"742", u"سرور راه دور از رمزگذاري (encryption) پشتيباني نمي كند .",
     "ERROR_NO_REMOTE_ENCRYPTION"},
    {u"743", u"كامپيوتر راه دور فقط داده هاي رمزگذاري شده را مي پذيرد .",
     "ERROR_REMOTE_REQUIRES_ENCRYPTION"},
    {u"744",
     u"شماره شبكه IPX كه كامپيوتر راه دور داده است قابل استفاده نيست . جزئيات در event log ثبت شده "
     u"است .",
     "ERROR_IPXCP_NET_NUMBER_CONFLICT"},
    {u"745", u"يك ماژول مديريت جلسه (SMM) نامعتبر يافت شد .", "ERROR_INVALID_SMM"},
    {u"746", u".", "ERROR_SMM_UNINITIALIZED"},
    {u"747", u".", "ERROR_NO_MAC_FOR_PORT"},
    {u"748", u".", "ERROR_SMM_TIMEOUT"},
    {u"749", u".", "ERROR_BAD_PHONE_NUMBER"},
    {u"750", u".", "ERROR_WRONG_MODULE"},
    {u"751",
     u"شماره callback شامل يك كاراكتر بي اعتبار مي باشد . كاراكترهاي زير فقط مجاز دانسته مي شوند : "
     u"Space , T , P , W , (,) , - , @ . 0 تا 9 .",
     "ERROR_INVALID_CALLBACK_NUMBER"},
    {u"752", u"هنگام پردازش اسكريپت اتصال خطاي نحوي رخ داد .", "ERROR_SCRIPT_SYNTAX"},
    {u"753", u"اين اتصال قطع نمي شود زيرا توسط مسيرياب چند پروتكلي ايجاد شده است .",
     "ERROR_HANGUP_FAILED"},
    {u"754", u"مجموعه اتصال هاي multilink (bundle) پيدا نشد .", "ERROR_BUNDLE_NOT_FOUND"},
    {u"755",
     u"شماره گيري خودكار ممكن نيست زيرا اين اتصال از يك برنامه شماره گير سفارشي استفاده مي كند .",
     "ERROR_CANNOT_DO_CUSTOMDIAL"},
    {u"756", u"اين اتصال هم اكنون در حال شماره گيري است .", "ERROR_DIAL_ALREADY_IN_PROGRESS"},
    {u"757",
     u"دسترسي از راه دور به طور خودكار آغاز نشد زيرا سرويس RasAuto راه اندازي نشد . به event log "
     u"مراجعه كنيد .",
     "ERROR_RASAUTO_CANNOT_INITIALIZE"},
    {u"758", u"اشتراك اتصال اينترنت براي اين اتصال از قبل فعال است .",
     "ERROR_CONNECTION_ALREADY_SHARED"},
    {u"759", u".", "ERROR_SHARING_CHANGE_FAILED"},
    {u"760", u"فعال كردن قابليت هاي مسيريابي براي اشتراك اتصال اينترنت انجام نشد .",
     "ERROR_SHARING_ROUTER_INSTALL"},
    {u"761", u"فعال كردن اشتراك اتصال اينترنت براي اين اتصال انجام نشد .",
     "ERROR_SHARE_CONNECTION_FAILED"},
    {u"762", u".", "ERROR_SHARING_PRIVATE_INSTALL"},
    {u"763",
     u"اشتراك اتصال اينترنت فعال نمي شود زيرا علاوه بر اتصال مشترك ، دو يا چند اتصال LAN وجود دارد "
     u".",
     "ERROR_CANNOT_SHARE_CONNECTION"},
    {u"764", u"هيچ دستگاه خواننده smartcard روي اين كامپيوتر نصب نشده است .",
     "ERROR_NO_SMART_CARD_READER"},
    {u"765",
     u"اشتراك اتصال اينترنت فعال نمي شود زيرا يك اتصال LAN از قبل از آدرس IP مورد نياز براي آدرس "
     u"دهي خودكار استفاده مي كند .",
     "ERROR_SHARING_ADDRESS_EXISTS"},
    {u"766",
     u"هيچ certificate كامپيوتر پيدا نشد . اتصال L2TP روي IPSec به نصب يك certificate كامپيوتر "
     u"نياز دارد .",
     "ERROR_NO_CERTIFICATE"},
    {u"767",
     u" اشتراك اتصال اينترنت ميسر نمي گردد اتصال LAN بر روي شبكه شخصي انتخاب مي گردد كه بيش از يك "
     u"آدرس IP را پيكر بندي كرده است . اتصال LANرا با يك آدرسIP مجزا ، مجددا پيكر بندي نماييد قبل "
     u"از اينكه اشتراك اتصال اينترنت صورت گيرد .",
     "ERROR_SHARING_MULTIPLE_ADDRESSES"},
    {u"768", u"اتصال برقرار نشد زيرا رمزگذاري داده ها ممكن نبود .", "ERROR_FAILED_TO_ENCRYPT"},
    {u"769", u"مقصد قابل دسترسي نيست .", "ERROR_BAD_ADDRESS_SPECIFIED"},
    {u"770", u"كامپيوتر راه دور اين اتصال را نپذيرفت .", "ERROR_CONNECTION_REJECT"},
    {u"771", u"شبكه بيش از حد شلوغ است و اتصال برقرار نشد . بعدا دوباره تلاش كنيد .",
     "ERROR_CONGESTION"},
    {u"772", u"تجهيزات شبكه كامپيوتر راه دور از نوع تماس درخواست شده پشتيباني نمي كند .",
     "ERROR_INCOMPATIBLE"},
    {u"773", u"شماره تلفن مقصد تغيير كرده و اتصال برقرار نشد .", "ERROR_NUMBERCHANGED"},
    {u"774",
     u"اتصال به علت يك مشكل موقت برقرار نشد . دوباره تلاش كنيد ، ممكن است اين بار موفق شويد .",
     "ERROR_TEMPFAILURE"},
    {u"775", u"كامپيوتر راه دور تماس را مسدود كرد .", "ERROR_BLOCKED"},
    {u"776", u"حالت مزاحم نشويد (Do Not Disturb) روي كامپيوتر راه دور فعال است و تماس برقرار نشد .",
     "ERROR_DONOTDISTURB"},
    {u"777", u"اتصال برقرار نشد زيرا modem يا دستگاه ارتباطي كامپيوتر راه دور از كار افتاده است .",
     "ERROR_OUTOFORDER"},
    {u"778", u"هويت سرور تأييد نشد .", "ERROR_UNABLE_TO_AUTHENTICATE_SERVER"},
    {u"779", u"براي شماره گيري اين اتصال smartcard لازم است .", "ERROR_SMART_CARD_REQUIRED"},
    {u"780", u"اين تابع را نمي توان با اين اتصال (مورد دفترچه تلفن) به كار برد .",
     "ERROR_INVALID_FUNCTION_FOR_ENTRY"},
    {u"781", u"رمزگذاري نشد زيرا certificate معتبري پيدا نشد .",
     "ERROR_CERT_FOR_ENCRYPTION_NOT_FOUND"},
    {u"782",
     u"اشتراك اتصال اينترنت فعال نمي شود زيرا Connection Sharing (NAT) به عنوان پروتكل مسيريابي "
     u"نصب شده است . ابتدا آن را حذف كنيد .",
     "ERROR_SHARING_RRAS_CONFLICT"},
    {u"783",
     u"اشتراك اتصال اينترنت فعال نمي شود زيرا اتصال LAN انتخاب شده به عنوان شبكه خصوصي وجود ندارد "
     u"يا قطع است .",
     "ERROR_SHARING_NO_PRIVATE_LAN"},
    {u"784",
     u"در حالي كه اين اتصال را در زمان log on استفاده مي كنيد شما نمي توانيد شماره بگيريد زيرا اين "
     u"اتصال براي استفاده از نام كاربري پيكر بندي شده است كه متفاوت از نام كاربر روي smartcard مي "
     u"باشد . چنانچه بخواهيد آنرا در زمان log on استفاده نماييد بايد براي استفاده از ( username ) "
     u"روي كارت smart آنرا پيكربندي كنيد .",
     "ERROR_NO_DIFF_USER_AT_LOGON"},
    {u"785",
     u"اين اتصال را نمي توان در زمان log on شماره گيري كرد زيرا براي استفاده از smartcard پيكر "
     u"بندي نشده است .",
     "ERROR_NO_REG_CERT_AT_LOGON"},
    {u"786",
     u"اتصال L2TP برقرار نشد زيرا اين كامپيوتر certificate معتبري براي احراز هويت IPSec ندارد .",
     "ERROR_OAKLEY_NO_CERT"},
    {u"787", u"اتصال L2TP برقرار نشد زيرا IPSec نتوانست هويت كامپيوتر راه دور را تأييد كند .",
     "ERROR_OAKLEY_AUTH_FAIL"},
    {u"788",
     u"اتصال L2TP برقرار نشد زيرا IPSec نتوانست با كامپيوتر راه دور روي مجموعه سازگاري از "
     u"پارامترهاي امنيتي توافق كند .",
     "ERROR_OAKLEY_ATTRIB_FAIL"},
    {u"789",
     u"اتصال L2TP برقرار نشد زيرا IPSec در اولين مذاكره با كامپيوتر راه دور به خطاي پردازشي برخورد "
     u".",
     "ERROR_OAKLEY_GENERAL_PROCESSING"},
    {u"790",
     u"اتصال L2TP برقرار نشد زيرا كامپيوتر راه دور نتوانست اعتبار certificate را تأييد كند .",
     "ERROR_OAKLEY_NO_PEER_CERT"},
    {u"791", u"اتصال L2TP برقرار نشد زيرا هيچ سياست امنيتي IPSec براي اين اتصال وجود ندارد .",
     "ERROR_OAKLEY_NO_POLICY"},
    {u"792", u"اتصال L2TP برقرار نشد زيرا زمان مذاكره امنيتي IPSec به پايان رسيد .",
     "ERROR_OAKLEY_TIMED_OUT"},
    {u"793", u"اتصال L2TP برقرار نشد زيرا هنگام مذاكره امنيتي IPSec خطايي رخ داد .",
     "ERROR_OAKLEY_ERROR"},
    {u"794", u"ويژگي Framed-Protocol كاربر در RADIUS روي PPP تنظيم نشده است .",
     "ERROR_UNKNOWN_FRAMED_PROTOCOL"},
    {u"795", u"ويژگي Tunnel-Type كاربر در RADIUS نادرست است .", "ERROR_WRONG_TUNNEL_TYPE"},
    {u"796",
     u"ويژگي Service-Type تنظيم شده براي اين كاربر در RADIUS چيزي غير از Framed يا Callback Framed "
     u"است .",
     "ERROR_UNKNOWN_SERVICE_TYPE"},
    {u"797", u"اتصال به كامپيوتر راه دور برقرار نشد زيرا modem پيدا نشد يا مشغول بود .",
     "ERROR_CONNECTING_DEVICE_NOT_FOUND"},
    {u"798",
     u"هيچ certificate مناسبي براي احراز هويت EAP (Extensible Authentication Protocol) پيدا نشد .",
     "ERROR_NO_EAPTLS_CERTIFICATE"},
    {u"799",
     u"اشتراك اتصال اينترنت ميسر نمي گردد زيرا دو IP شبيه به هم در شبكه وجود دارد . IC ها به "
     u"ميزباني نيازمند مي باشند كه براي استفاده از 192 ، 168 ، 0 ، 1 پيكر بندي شده است . مطمئن "
     u"شويد كه هيچ سرويس گيرنده ديگري براي استفاده از 192 ، 168 ، 0 ، 1 پيكر بندي نشده است .",
     "ERROR_SHARING_HOST_ADDRESS_CONFLICT"},
    {u"800",
     u"قادر به ايجاد اتصال VPN نمي باشد . سرويس دهنده VPN در دسترس نمي باشد و يا ممكن است "
     u"پارامترهاي امنيتي براي اتصال به درستي پيكربندي نشده باشند .",
     "ERROR_AUTOMATIC_VPN_FAILED"},
    // The command's span goes on: the RAS codes that Windows defines after 800.
    {u"801",
     u"اين اتصال براي بررسي هويت سرور راه دور تنظيم شده است ، اما certificate ارسال شده از سرور "
     u"تأييد نشد . از مدير شبكه بخواهيد certificate سرور را بررسي كند .",
     "ERROR_VALIDATING_SERVER_CERT"},
    {u"802",
     u"smartcard شناخته نشد . شايد درست در كارت خوان قرار نگرفته باشد يا در آن لق باشد . كارت را "
     u"بيرون آوريد ، دوباره درست در كارت خوان بگذاريد و دوباره تلاش كنيد .",
     "ERROR_READING_SCARD"},
    {u"803",
     u"تنظيمات PEAP كه در cookie نشست ذخيره شده است با تنظيمات نشست فعلي يكسان نيست . اتصال را قطع "
     u"كنيد و دوباره وصل شويد .",
     "ERROR_INVALID_PEAP_COOKIE_CONFIG"},
    {u"804",
     u"هويت كاربري PEAP كه در cookie نشست ذخيره شده است با هويتي كه اكنون به كار مي رود يكسان نيست "
     u". اتصال را قطع كنيد و دوباره وصل شويد .",
     "ERROR_INVALID_PEAP_COOKIE_USER"},
    {u"805",
     u"اين اتصال را نمي توان در زمان log on شماره گيري كرد زيرا براي استفاده از نام كاربري و كلمه "
     u"عبور كاربري تنظيم شده است كه از قبل وارد ويندوز شده است . اتصال را پس از ورود به ويندوز "
     u"برقرار كنيد .",
     "ERROR_INVALID_MSCHAPV2_CONFIG"},
    {u"806",
     u"ارتباط با سرور VPN آغاز شد اما اتصال VPN كامل نشد . معمولا يك firewall يا router در مسير "
     u"رسيدن به سرور بسته هاي GRE را مسدود مي كند . از مدير شبكه يا شركت ارائه دهنده اينترنت "
     u"بخواهيد اجازه عبور GRE را بدهد .",
     "ERROR_VPN_GRE_BLOCKED"},
    {u"807",
     u"ارتباط با سرور VPN قطع شد . علت معمولا مشكلي در انتقال داده مانند تأخير زياد در اينترنت يا "
     u"پر بودن ظرفيت سرور VPN است . دوباره وصل شويد ، ممكن است اين بار موفق شويد .",
     "ERROR_VPN_DISCONNECT"},
    {u"808",
     u"سرور VPN درخواست اتصال را نپذيرفت . معمولا تنظيمات سرور با تنظيمات اين اتصال همخواني ندارد "
     u". تنظيمات اتصال (مانند نوع VPN) را با اطلاعاتي كه مدير شبكه داده است مقايسه كنيد .",
     "ERROR_VPN_REFUSED"},
    {u"809",
     u"سرور VPN پاسخي نداد و اتصال برقرار نشد . احتمالا يك firewall ، دستگاه NAT يا router ميان "
     u"اين كامپيوتر و سرور اجازه عبور ترافيك VPN را نمي دهد . نشاني سرور را بررسي كنيد و از مدير "
     u"شبكه بخواهيد راه عبور VPN را باز كند .",
     "ERROR_VPN_TIMEOUT"},
    {u"810",
     u"اتصال VPN آغاز شد اما كامل نشد ، معمولا به اين علت كه certificate مورد استفاده براي احراز "
     u"هويت ميان اين كامپيوتر و سرور نادرست است يا تاريخ آن گذشته است . از مدير شبكه certificate "
     u"معتبر و تازه بگيريد .",
     "ERROR_VPN_BAD_CERT"},
    {u"811",
     u"سرور VPN پاسخ نداد و اتصال برقرار نشد . معمولا كليد مشترك (pre-shared key) كه IPsec براي "
     u"اثبات هويت به كار مي برد در اين اتصال و در سرور يكسان نيست . كليد را در تنظيمات اتصال با "
     u"كليدي كه مدير شبكه داده است مقايسه كنيد .",
     "ERROR_VPN_BAD_PSK"},
    {u"812",
     u"يك سياست (policy) تنظيم شده در سرور VPN يا دسترسي از راه دور جلوي اتصال را گرفت . به احتمال "
     u"زياد روشي كه سرور براي بررسي نام كاربري و كلمه عبور به كار مي برد با روشي كه در تنظيمات اين "
     u"اتصال انتخاب شده است فرق دارد . روش احراز هويت را از مدير شبكه بپرسيد و همان را در تنظيمات "
     u"اتصال انتخاب كنيد .",
     "ERROR_SERVER_POLICY"},
    {u"813",
     u"تلاش شد اتصال پهن باند (broadband) دومي روي دستگاه يا Port برقرار شود كه يك اتصال پهن باند "
     u"ديگر هم اكنون از آن استفاده مي كند . ابتدا اتصال ديگر را قطع كنيد .",
     "ERROR_BROADBAND_ACTIVE"},
    {u"814",
     u"اتصال پهن باند (broadband) به يك اتصال Ethernet نياز دارد و هيچ اتصال Ethernet پيدا نشد . "
     u"كابل شبكه را وصل كنيد و مطمئن شويد كه كارت شبكه فعال است .",
     "ERROR_BROADBAND_NO_NIC"},
    {u"815",
     u"اتصال پهن باند (broadband) برقرار نشد زيرا سرور راه دور پاسخي نداد . مقدار نادرست در فيلد "
     u"Service Name اين اتصال مي تواند علت آن باشد . مقدار درست را از شركت ارائه دهنده اينترنت "
     u"بپرسيد .",
     "ERROR_BROADBAND_TIMEOUT"},
    {u"816",
     u"سرويس دسترسي از راه دور ديگر از قابليت يا تنظيمي كه در حال فعال شدن بود پشتيباني نمي كند . "
     u"آن تنظيم را خاموش كنيد يا گزينه ديگري انتخاب كنيد .",
     "ERROR_FEATURE_DEPRECATED"},
    {u"817",
     u"اين اتصال را نمي توان حذف كرد زيرا هم اكنون وصل است . ابتدا اتصال را قطع كنيد و سپس آن را "
     u"حذف كنيد .",
     "ERROR_CANNOT_DELETE"},
    {u"818",
     u"بخش اجرايي NAP (Network Access Protection) نتوانست منابع سيستمي لازم براي اتصال هاي دسترسي "
     u"از راه دور را آماده كند ، بنابراين ممكن است دسترسي به برخي سرويس ها يا منابع شبكه محدود "
     u"باشد . كامپيوتر را دوباره راه اندازي كنيد و اگر خطا باقي ماند با مدير شبكه تماس بگيريد .",
     "ERROR_RASQEC_RESOURCE_CREATION_FAILED"},
    {u"819",
     u"سرويس NAP Agent (Network Access Protection Agent) غير فعال است يا وجود ندارد ، بنابراين "
     u"ممكن است دسترسي به برخي سرويس ها يا منابع شبكه محدود باشد . اين سرويس را در Services ويندوز "
     u"فعال كنيد يا از مدير شبكه كمك بخواهيد .",
     "ERROR_RASQEC_NAPAGENT_NOT_ENABLED"},
    {u"820",
     u"بخش اجرايي NAP نتوانست خود را نزد سرويس NAP Agent ثبت كند ، بنابراين ممكن است دسترسي به "
     u"برخي سرويس ها يا منابع شبكه محدود باشد . كامپيوتر را دوباره راه اندازي كنيد و اگر خطا باقي "
     u"ماند با مدير شبكه تماس بگيريد .",
     "ERROR_RASQEC_NAPAGENT_NOT_CONNECTED"},
    {u"821",
     u"بخش اجرايي NAP نتوانست درخواست را انجام دهد زيرا چنين اتصال دسترسي از راه دوري وجود ندارد . "
     u"اتصال را از نو برقرار كنيد .",
     "ERROR_RASQEC_CONN_DOESNOTEXIST"},
    {u"822",
     u"بخش اجرايي NAP پاسخي نداد ، بنابراين ممكن است دسترسي به برخي سرويس ها يا منابع شبكه محدود "
     u"باشد . اتصال را قطع كنيد و دوباره وصل شويد .",
     "ERROR_RASQEC_TIMEOUT"},
    {u"823",
     u"در هنگام احراز هويت PEAP ، داده امنيتي Crypto-Binding (TLV) كه دريافت شد نامعتبر بود . با "
     u"مدير شبكه تماس بگيريد .",
     "ERROR_PEAP_CRYPTOBINDING_INVALID"},
    {u"824",
     u"در هنگام احراز هويت PEAP ، داده امنيتي Crypto-Binding (TLV) كه انتظار مي رفت هرگز دريافت "
     u"نشد . با مدير شبكه تماس بگيريد .",
     "ERROR_PEAP_CRYPTOBINDING_NOTRECEIVED"},
    {u"825",
     u"پروتكل PPTP را نمي توان روي IPv6 به كار برد . نوع VPN اين اتصال را در تنظيمات آن به L2TP "
     u"تغيير دهيد .",
     "ERROR_INVALID_VPNSTRATEGY"},
    {u"826",
     u"EAP-TLS نتوانست اطلاعات ورود ذخيره شده (cache) را تأييد كند و اين اطلاعات بايد پاك شوند . "
     u"دوباره وصل شويد و اطلاعات ورود را از نو وارد كنيد .",
     "ERROR_EAPTLS_CACHE_CREDENTIALS_INVALID"},
    {u"827",
     u"اتصال L2TP روي IPsec برقرار نشد زيرا سرويسي كه لازم دارد اجرا نمي شود : IKE and AuthIP "
     u"IPsec Keying Modules يا Base Filtering Engine يا هر دو . اين سرويس ها را در Services ويندوز "
     u"اجرا كنيد و دوباره تلاش كنيد .",
     "ERROR_IPSEC_SERVICE_STOPPED"},
    {u"828", u"اتصال قطع شد زيرا بيش از زمان مجاز بدون استفاده مانده بود . دوباره وصل شويد .",
     "ERROR_IDLE_TIMEOUT"},
    {u"829",
     u"ارتباط modem يا دستگاه ارتباطي ديگر به علت خرابي خط ارتباط قطع شد . كابل ها و خط را بررسي "
     u"كنيد و دوباره وصل شويد .",
     "ERROR_LINK_FAILURE"},
    {u"830",
     u"كاربر از ويندوز خارج شد (log off) و اين كار اتصال را پايان داد . پس از ورود دوباره ، اتصال "
     u"را برقرار كنيد .",
     "ERROR_USER_LOGOFF"},
    {u"831",
     u"جابجايي به كاربر ديگري در ويندوز (Switch user) اتصال را پايان داد . اگر به آن نياز داريد "
     u"دوباره وصل شويد .",
     "ERROR_FAST_USER_SWITCH"},
    {u"832",
     u"كامپيوتر به حالت خواب زمستاني (Hibernate) رفت و اين كار اتصال را پايان داد . دوباره وصل "
     u"شويد .",
     "ERROR_HIBERNATION"},
    {u"833", u"كامپيوتر به حالت خواب (Sleep) رفت و اين كار اتصال را پايان داد . دوباره وصل شويد .",
     "ERROR_SYSTEM_SUSPENDED"},
    {u"834",
     u"سرويس Remote Access Connection Manager متوقف شد و اين كار اتصال را پايان داد . اين سرويس را "
     u"در Services ويندوز دوباره اجرا كنيد يا كامپيوتر را دوباره راه اندازي كنيد .",
     "ERROR_RASMAN_SERVICE_STOPPED"},
    {u"835",
     u"اتصال L2TP برقرار نشد زيرا لايه امنيتي آن نتوانست هويت كامپيوتر راه دور را تأييد كند . ممكن "
     u"است بخشي از certificate سرور با مقصدي كه مي خواستيد به آن وصل شويد همخواني نداشته باشد . "
     u"نام سرور را بررسي كنيد و از مدير شبكه كمك بخواهيد .",
     "ERROR_INVALID_SERVER_CERT"},
    {u"836",
     u"اين كامپيوتر از NAP (Network Access Protection) پشتيباني نمي كند . با مدير شبكه تماس بگيريد "
     u".",
     "ERROR_NOT_NAP_CAPABLE"},
    {u"837", u"شناسه tunnel داده شده نامعتبر است . اتصال را از نو برقرار كنيد .",
     "ERROR_INVALID_TUNNELID"},
    {u"838",
     u"يك درخواست به روز رساني اتصال هم اكنون در حال انجام است و سرويس دسترسي از راه دور در هر "
     u"زمان فقط يك درخواست از اين نوع را انجام مي دهد . كمي صبر كنيد و دوباره تلاش كنيد .",
     "ERROR_UPDATECONNECTION_REQUEST_IN_PROCESS"},
    {u"839",
     u"پروتكلي كه اين اتصال براي مذاكره با سرور تنظيم شده است غير فعال است . در Properties اتصال "
     u"پروتكل ديگري انتخاب كنيد و دوباره تلاش كنيد .",
     "ERROR_PROTOCOL_ENGINE_DISABLED"},
    {u"840",
     u"مذاكره براي گرفتن آدرس IP داخلي اين اتصال ناموفق بود . دوباره وصل شويد و اگر خطا باقي ماند "
     u"با مدير شبكه تماس بگيريد .",
     "ERROR_INTERNAL_ADDRESS_FAILURE"},
    {u"841",
     u"براي اين اتصال ، سرويس گيرنده بايد يك آدرس IPv4 يا IPv6 داخلي درخواست كند . تنظيمات IP "
     u"اتصال را بررسي كنيد يا با مدير شبكه تماس بگيريد .",
     "ERROR_FAILED_CP_REQUIRED"},
    {u"842",
     u"مذاكره براي تعيين اين كه tunnel چه ترافيكي را حمل كند (traffic selectors) ناموفق بود . با "
     u"مدير شبكه تماس بگيريد .",
     "ERROR_TS_UNACCEPTABLE"},
    {u"843",
     u"پشتيباني از جابجايي (MOBIKE) براي اين اتصال خاموش است . اگر به آن نياز داريد ، آن را در "
     u"تنظيمات اتصال روشن كنيد يا از مدير شبكه كمك بخواهيد .",
     "ERROR_MOBIKE_DISABLED"},
    {u"844",
     u"به روز رساني جابجايي (MOBIKE) هنوز قابل شروع نيست زيرا اتصال VPN هنوز كامل برقرار نشده است "
     u"يا پس از تغيير وضعيت قرنطينه در حال احراز هويت دوباره است . صبر كنيد تا وضعيت اتصال "
     u"Connected شود و سپس دوباره تلاش كنيد .",
     "ERROR_CANNOT_INITIATE_MOBIKE_UPDATE"},
    {u"845",
     u"سرور درخواست احراز هويت PEAP اين كامپيوتر را رد كرد زيرا يك داده TLV غير منتظره بود يا "
     u"مقدار آن همخواني نداشت . تنظيمات PEAP اتصال را با كمك مدير شبكه بررسي كنيد .",
     "ERROR_PEAP_SERVER_REJECTED_CLIENT_TLV"},
    {u"846",
     u"كاربر مقصد VPN ترجيحي انتخاب نكرده است ، يا مقصدي كه انتخاب شده ديگر معتبر نيست . در "
     u"تنظيمات ، مقصد VPN معتبري انتخاب كنيد .",
     "ERROR_INVALID_PREFERENCES"},
    {u"847",
     u"اطلاعات ورود smartcard كه در cache ذخيره شده است نامعتبر است . دوباره وصل شويد و اطلاعات "
     u"smartcard را از نو وارد كنيد .",
     "ERROR_EAPTLS_SCARD_CACHE_CREDENTIALS_INVALID"},
    {u"848",
     u"اتصال VPN به علت يك خطاي داخلي در افزودن cookie ها به نشست SSTP (Secure Socket Tunneling "
     u"Protocol) ناموفق بود . جزئيات را در گزارش System در Event Viewer ويندوز ببينيد و دوباره "
     u"تلاش كنيد .",
     "ERROR_SSTP_COOKIE_SET_FAILURE"},
    {u"849",
     u"يك يا چند ويژگي روش احراز هويت دروني PEAP كه در cookie ذخيره شده است نامعتبر است . اتصال را "
     u"قطع كنيد و دوباره وصل شويد .",
     "ERROR_INVALID_PEAP_COOKIE_ATTRIBUTES"},
    {u"850",
     u"نوع EAP (Extensible Authentication Protocol) كه اين اتصال براي احراز هويت لازم دارد روي اين "
     u"كامپيوتر نصب نشده است . آن را نصب كنيد يا از مدير شبكه كمك بخواهيد .",
     "ERROR_EAP_METHOD_NOT_INSTALLED"},
    {u"851",
     u"نوع EAP تنظيم شده براي اين اتصال از ورود يكپارچه (single sign-on) پشتيباني نمي كند . ورود "
     u"يكپارچه را براي اين اتصال خاموش كنيد يا نوع EAP ديگري انتخاب كنيد .",
     "ERROR_EAP_METHOD_DOES_NOT_SUPPORT_SSO"},
    {u"852",
     u"نوع EAP تنظيم شده براي اين اتصال نمي تواند كار درخواست شده را انجام دهد . نوع EAP ديگري "
     u"انتخاب كنيد يا با مدير شبكه تماس بگيريد .",
     "ERROR_EAP_METHOD_OPERATION_NOT_SUPPORTED"},
    {u"853",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا certificate شما (كه هويت شما را به سرور ثابت "
     u"مي كند) نامعتبر است . يك certificate معتبر از مدير شبكه بگيريد .",
     "ERROR_EAP_USER_CERT_INVALID"},
    {u"854",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا تاريخ certificate شما (كه هويت شما را به "
     u"سرور ثابت مي كند) گذشته است . certificate را تمديد كنيد يا از مدير شبكه certificate تازه "
     u"بگيريد .",
     "ERROR_EAP_USER_CERT_EXPIRED"},
    {u"855",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا certificate شما (كه هويت شما را به سرور ثابت "
     u"مي كند) باطل شده است . از certificate ديگري كه باطل نشده است استفاده كنيد .",
     "ERROR_EAP_USER_CERT_REVOKED"},
    {u"856",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا certificate شما (كه هويت شما را به سرور ثابت "
     u"مي كند) مشكل ديگري دارد . certificate خود را با كمك مدير شبكه بررسي كنيد .",
     "ERROR_EAP_USER_CERT_OTHER_ERROR"},
    {u"857",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا certificate سرور ، كه اين كامپيوتر براي "
     u"تأييد هويت سرور بررسي مي كند ، نامعتبر است . با مدير شبكه تماس بگيريد .",
     "ERROR_EAP_SERVER_CERT_INVALID"},
    {u"858",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا تاريخ certificate سرور ، كه اين كامپيوتر "
     u"براي تأييد هويت سرور بررسي مي كند ، گذشته است . از مدير شبكه بخواهيد certificate سرور را "
     u"تمديد كند .",
     "ERROR_EAP_SERVER_CERT_EXPIRED"},
    {u"859",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا certificate سرور ، كه اين كامپيوتر براي "
     u"تأييد هويت سرور بررسي مي كند ، باطل شده است . با مدير شبكه تماس بگيريد .",
     "ERROR_EAP_SERVER_CERT_REVOKED"},
    {u"860",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا certificate سرور ، كه اين كامپيوتر براي "
     u"تأييد هويت سرور بررسي مي كند ، مشكل ديگري دارد . با مدير شبكه تماس بگيريد .",
     "ERROR_EAP_SERVER_CERT_OTHER_ERROR"},
    {u"861",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا در مخزن Trusted Root Certification "
     u"Authorities هيچ certificate ريشه مورد اعتمادي نيست كه بتواند certificate شما را تأييد كند . "
     u"certificate ريشه را از مدير شبكه بگيريد و در اين مخزن نصب كنيد .",
     "ERROR_EAP_USER_ROOT_CERT_NOT_FOUND"},
    {u"862",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا certificate ريشه مورد اعتمادي كه certificate "
     u"شما با آن بررسي مي شود نامعتبر است . certificate ريشه معتبر را از مدير شبكه بگيريد .",
     "ERROR_EAP_USER_ROOT_CERT_INVALID"},
    {u"863",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا تاريخ certificate ريشه اي كه certificate شما "
     u"را تأييد مي كند و در مخزن Trusted Root Certification Authorities نگهداري مي شود گذشته است . "
     u"از مدير شبكه certificate ريشه تمديد شده را بگيريد .",
     "ERROR_EAP_USER_ROOT_CERT_EXPIRED"},
    {u"864",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا در مخزن Trusted Root Certification "
     u"Authorities هيچ certificate ريشه اي نيست كه بتواند certificate سرور را تأييد كند . "
     u"certificate ريشه سرور را از مدير شبكه بگيريد و در اين مخزن نصب كنيد .",
     "ERROR_EAP_SERVER_ROOT_CERT_NOT_FOUND"},
    {u"865",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا certificate ريشه اي كه بايد certificate سرور "
     u"را تأييد كند و در مخزن Trusted Root Certification Authorities نگهداري مي شود نامعتبر است . "
     u"با مدير شبكه تماس بگيريد .",
     "ERROR_EAP_SERVER_ROOT_CERT_INVALID"},
    {u"866",
     u"احراز هويت پس از برقراري اتصال ناموفق بود زيرا در certificate كامپيوتر سرور هيچ نام سروري "
     u"مشخص نشده است . با مدير شبكه تماس بگيريد .",
     "ERROR_EAP_SERVER_ROOT_CERT_NAME_REQUIRED"},
    {u"867",
     u"وقتي حفظ حريم هويت (identity privacy) در PEAP خاموش است ، هويت بيروني بايد با هويت دروني "
     u"يكي باشد ، اما اين دو با هم فرق دارند . هر دو را يكسان وارد كنيد يا حفظ حريم هويت را روشن "
     u"كنيد .",
     "ERROR_PEAP_IDENTITY_MISMATCH"},
    {u"868",
     u"نام سرور دسترسي از راه دور به آدرس تبديل نشد (جستجوي DNS ناموفق بود) و اتصال برقرار نشد . "
     u"نام سرور را بررسي كنيد و مطمئن شويد كه به اينترنت وصل هستيد .",
     "ERROR_DNSNAME_NOT_RESOLVABLE"},
    {u"869",
     u"كلمه عبوري كه براي certificate مورد استفاده EAP-TLS وارد شده است نادرست است . كلمه عبور را "
     u"دوباره با دقت وارد كنيد .",
     "ERROR_EAPTLS_PASSWD_INVALID"},
    {u"870",
     u"اين رابط (interface) روشن نشد زيرا چند رابط با مقصد يكسان از احراز هويت با كليد مشترك "
     u"(pre-shared key) در IKEv2 استفاده مي كنند . براي آن مقصد يا روش احراز هويت ديگري تعيين كنيد "
     u"و سپس آن را روشن كنيد .",
     "ERROR_IKEV2_PSK_INTERFACE_ALREADY_EXISTS"},
    {u"871",
     u"اين رابط (interface) روشن نشد زيرا هيچ مقصد معتبري براي آن پيدا نشد . ابتدا يك آدرس مقصد "
     u"معتبر ، يا نامي كه به آدرس تبديل شود ، براي آن تنظيم كنيد .",
     "ERROR_INVALID_DESTINATION_IP"},
    {u"872", u"پيكربندي اين رابط (interface) نامعتبر است . تنظيمات آن را بررسي و اصلاح كنيد .",
     "ERROR_INVALID_INTERFACE_CONFIG"},
    {u"873",
     u"اتصال VPN برقرار نشد . برنامه VPN (plug-in) خطايي گزارش كرد اما علت دقيق تري نگفت . برنامه "
     u"VPN را دوباره اجرا كنيد يا از پشتيباني آن برنامه كمك بخواهيد .",
     "ERROR_VPN_PLUGIN_GENERIC"},
    {u"874",
     u"اتصال برقرار نشد زيرا هيچ certificate براي ورود يكپارچه (single sign-on) پيدا نشد . از بخش "
     u"پشتيباني سازمان خود بخواهيد آن را در اختيار شما بگذارد .",
     "ERROR_SSO_CERT_MISSING"},
    {u"875",
     u"اتصال برقرار نشد زيرا اين دستگاه در بررسي سازگاري با قوانين سازمان (device compliance) "
     u"پذيرفته نشد . با بخش پشتيباني سازمان خود تماس بگيريد .",
     "ERROR_DEVICE_COMPLIANCE"},
    {u"876",
     u"اين اتصال VPN به برنامه اي (VPN plug-in) نياز دارد كه روي اين كامپيوتر نصب نشده است . آن را "
     u"از Microsoft Store نصب كنيد يا از مديران شبكه سازمان بخواهيد آن را نصب كنند .",
     "ERROR_PLUGIN_NOT_INSTALLED"},
    {u"877",
     u"اتصال منتظر است تا كاربر اطلاعاتي وارد كند و پس از آن ادامه مي يابد . پنجره يا پيغامي را كه "
     u"از شما اطلاعات مي خواهد پيدا كنيد و آن را كامل كنيد .",
     "ERROR_ACTION_REQUIRED"},
    {u"878",
     u"اتصال برقرار نشد زيرا فراخواني سرويس پيدا كردن خودكار proxy ويندوز (WinHTTP) ناموفق بود ، "
     u"معمولا به اين علت كه Web Proxy Auto-Discovery (WPAD) خاموش است . WPAD را روشن كنيد يا از "
     u"مدير شبكه كمك بخواهيد تا VPN وصل شود .",
     "ERROR_WINHTTP_AUTO_PROXY_SERVICE"},
}};
static_assert(ErrorCatalogue::kFirstCode + ErrorCatalogue::kWindowsCount - 1 ==
              ErrorCatalogue::kWindowsLastCode);
static_assert(ErrorCatalogue::kFirstCode + ErrorCatalogue::kCommandCount - 1 ==
              ErrorCatalogue::kCommandLastCode);

constexpr bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

constexpr char FoldAsciiCase(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

constexpr bool SameSymbol(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<std::u16string_view> ErrorCatalogue::Lookup(std::u16string_view code) {
  // Every key is three ASCII digits, so a key's position in the table follows
  // from its value; anything else cannot be a key.
  if (code.size() != 3 || !IsAsciiDigit(code[0]) || !IsAsciiDigit(code[1]) ||
      !IsAsciiDigit(code[2])) {
    return std::nullopt;
  }
  const int value = (code[0] - u'0') * 100 + (code[1] - u'0') * 10 + (code[2] - u'0');
  if (value < kFirstCode || value > kWindowsLastCode) {
    return std::nullopt;
  }
  return kEntries[static_cast<std::size_t>(value - kFirstCode)].explanation;
}

std::optional<int> ErrorCatalogue::CodeOfSymbol(std::string_view symbol) {
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    if (SameSymbol(kEntries[i].symbol, symbol)) return kFirstCode + static_cast<int>(i);
  }
  return std::nullopt;
}

std::span<const CatalogueEntry> ErrorCatalogue::WindowsEntries() {
  return std::span(kEntries).first<kWindowsCount>();
}

std::span<const CatalogueEntry> ErrorCatalogue::CommandEntries() { return kEntries; }

}  // namespace dialnote
