#include "support/sor_samples.h"

#include <cctype>

namespace varnel::test {

const std::vector<SorSampleFacts>& sorSampleFacts() {
    static const std::vector<SorSampleFacts> facts = {
        {"pyotdr__demo_ab.sor", 1, 100, 1310, 13100, 1000, 11776, 1000, 5, "Hewlett Packard"},
        {"pyotdr__sample1310_lowDR.sor", 2, 200, 1310, 13100, 1000, 15736, 1000, 3, "OptixS"},
        {"otdrs__example2-exfo-maxtester730c.sor", 2, 200, 1310, 13129, 10, 31343, 1000, 6, ""},
        {"otdrparser__example.sor", 2, 200, 1310, 13070, 10, 15676, 1000, 4, ""},
        {"otdrparser__otdr1.sor", 2, 200, 1310, 13100, 80, 16384, 1000, 2, "FIBERCLOUD"},
        {"otdrparser__otdr7.sor", 2, 200, 1310, 13100, 30, 16384, 1000, -1, "FIBERCLOUD"},
        {"gotdr__2.sor", 2, 210, 1625, 16250, 1000, 31923, 1470, 7, "JDSU"},
        {"fabry44-otdrparser__F1_TT07_FO_004_1310_OE.sor", 2, 200, 1310, 13100, 30, 31688, 1470, 9,
         "Viavi"},
        {"ravskij-otdrparser__Based_OTDR.sor", 2, 200, 1310, 13100, 10, 6074, 1000, 2, "SvPribor"},
        {"ypotsiah-sorparser__Test.sor", 2, 200, 1550, 15500, 25, 15674, 1000, 4, "IIT"},
        {"pigiloop-sorviewer__Pionerskaya_14_1_-_ATS_Svetlyy_1_4_19_.sor", 2, 200, 1550, 15500, 30,
         20000, 1000, 2, "YOKOGAWA TEST AND MEASUREMENT CORPORATION"},
        {"yong-otdranalysis__test.sor", 2, 200, 1550, 15500, 4000, 5001, 1000, 17, "Anritsu"},
        {"godwin-projec__test.sor", 2, 200, 1310, 13100, 50, 19546, 1000, 3, "Grandway"},
        {"otdrsuite__endlaunch__HOWLAN309_1550.sor", 2, 200, 1550, 15398, 2500, 27421, 1000, 1,
         "ZDB"},
        {"otdrsuite__launchreel__BARTUL001_1550.sor", 2, 200, 1550, 15532, 500, 31339, 1000, 7,
         "ZDB"},
        {"otdrsuite__satrefl__SUIWSC0034.sor", 2, 200, 1550, 15428, 500, 31338, 1000, 15,
         "ZERO DB"},
        {"otdrsuite__shortspan_A__DNN1DNN20001.sor", 2, 200, 1550, 15602, 5, 62687, 1000, 4,
         "ZerodB"},
        {"otdrsuite__splice_A__ELMMIL0001_1550.sor", 2, 200, 1550, 15480, 500, 39173, 1000, 14,
         "ZDB"},
        {"otdrsuite__splice_A__ELMMIL0002_1550.sor", 2, 200, 1550, 15480, 500, 39173, 1000, 14,
         "ZDB"},
        {"otdrsuite__splice_A__ELMMIL0003_1550.sor", 2, 200, 1550, 15480, 500, 39173, 1000, 16,
         "ZDB"},
        {"otdrsuite__splice_A__ELMMIL0004_1550.sor", 2, 200, 1550, 15480, 500, 39173, 1000, 15,
         "ZDB"},
        {"otdrsuite__splice_B__MILELM0001_1550.sor", 2, 200, 1550, 15398, 500, 39173, 1000, 17,
         "ZDB"},
        {"otdrsuite__splice_B__MILELM0002_1550.sor", 2, 200, 1550, 15398, 500, 39173, 1000, 16,
         "ZDB"},
        {"otdrsuite__splice_B__MILELM0003_1550.sor", 2, 200, 1550, 15398, 500, 39173, 1000, 15,
         "ZDB"},
        {"otdrsuite__splice_B__MILELM0004_1550.sor", 2, 200, 1550, 15398, 500, 39173, 1000, 14,
         "ZDB"},
    };
    return facts;
}

std::string sampleTestName(const SorSampleFacts& facts) {
    std::string name;
    for (const char* p = facts.file; *p && std::string(p) != ".sor"; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
    }
    return name;
}

} // namespace varnel::test
