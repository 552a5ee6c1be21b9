#pragma once
// The removals a client's change list carries (DelTipoOperCli): the rows whose change kind is
// delete, each identified by its original CDFILIAL, CDTIPOOPER and CDFORNCLIE. The list carries
// removals only: additions are SetTipoOperCli's, written one by one as they are made, and an
// insert or modification here is a client sending changes it should not.
//
// FromDelta refuses, with EMethodFailure (InvalidArgument) and before anything is written: a
// list that is no well-formed delta packet, one without any of the three fields, a change that
// is no removal, a deleted row without a value in one of them, and a deleted row of another
// client than `client`.

#include <QByteArray>
#include <QString>
#include <vector>

namespace ger {

class ClientRemovals {
public:
    struct Row {
        QString branch;
        QString type;

        bool operator==(const Row&) const = default;
    };

    static ClientRemovals FromDelta(const QByteArray& delta, const QString& client);

    const QString& client() const { return m_client; }
    const std::vector<Row>& rows() const { return m_rows; }

private:
    QString m_client;
    std::vector<Row> m_rows;
};

} // namespace ger
