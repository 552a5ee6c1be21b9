#pragma once
// The clients a demo database holds beyond the seed's own, for a database the size of a large
// company (ger-appserver --init-demo PATH --demo-clients N). They follow the seed's clients
// and are the same at every creation.
//
// Client k of the generated ones (0-based) is a person (CPF, IDTPIJURCLIE "F") when k is even
// and a company (CNPJ "J", branch "0001") when k is odd. The numbers come from affine maps
// that are one-to-one on their digit spaces (a multiplier prime to 10), so no two generated
// clients share a number; a candidate that is one of the seed's numbers or one repeated digit
// is skipped. Every number carries valid check digits. Names are drawn from fixed word lists
// by k (people: first name and two surnames; companies: trade, two words, legal form), at
// most 50 characters; people have no trade name.

#include <QString>
#include <vector>

namespace ger {

class DemoGeneratedClients {
public:
    struct Client {
        QChar personType;
        QString number;
        QString corporateName;
        QString tradeName; // null for NULL
    };

    // The first `count` generated clients, in order.
    static std::vector<Client> Generate(int count);
};

} // namespace ger
