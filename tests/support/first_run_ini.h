// The bytes of Telqor.ini as a first start writes it.
#pragma once

namespace telqor::test {

inline constexpr char kFirstRunIni[] =
    "[SYSTEM]\r\n"
    "telecomtag=133;153;180;189\r\n"
    "unicomtag=130;131;132;145;155;156;185;186\r\n"
    "mobiletag=134;135;136;137;138;139;147;150;151;152;154;157;158;159;187;188;182\r\n"
    "MapCacheSize=10000000\r\n"
    "RegExprMain=((1\\d{10})|((\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|"
    "\\d{1})|(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|\\d{1})))\r\n"
    "RegExprMobile=(1\\d{10})\r\n"
    "RegExprTel=((\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|\\d{1})|"
    "(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|\\d{1}))\r\n"
    "RegExprEx1=\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*\r\n"
    "RegExprEx2=\r\n"
    "CalMode=0\r\n"
    "MyUsedDataPath=\r\n"
    "MywillUseDataPath=\r\n"
    "MyOtherDataPath=\r\n"
    "DADelimiter=,\r\n"
    "DAReplace1=\"\r\n"
    "DAReplace2=\r\n"
    "DAColumnNo=1\r\n"
    "DAFixIndex=0\r\n"
    "DADataA=10\r\n"
    "DADataB=1000\r\n"
    "DAOutColumnNo=1\r\n"
    "MobileSecondDigits=3456789\r\n"
    "MobileSeparators=1\r\n"
    "broadnettag=\r\n";

}  // namespace telqor::test
