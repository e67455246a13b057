#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <vector>

#include "alpaca/AlpacaDevice.h"

namespace zaq {

class WeatherService;

// The Alpaca server's answers, without the network: the devices, the management members, the
// set-up pages, and the transaction numbers of every answer.
class AlpacaApi {
  public:
    struct Request {
        bool put = false;
        QString path;
        QList<QPair<QString, QString>> params;  // the query's, then the form body's
    };
    struct Reply {
        int status = 200;
        QByteArray contentType = "application/json";
        QByteArray body;
    };

    explicit AlpacaApi(WeatherService& weather);
    ~AlpacaApi();

    Reply handle(const Request& request);

  private:
    struct Transaction {
        quint32 client = 0;
        quint32 server = 0;
    };

    Reply deviceReply(const QStringList& parts, const AlpacaCall& call, Transaction transaction);
    Reply managementReply(const QString& path, Transaction transaction) const;
    Reply setupPage(const QStringList& parts) const;
    QJsonValue configuredDevices() const;
    AlpacaDevice* find(const QString& type, const QString& number) const;

    WeatherService& weather_;
    std::vector<std::unique_ptr<AlpacaDevice>> devices_;
    quint32 serverTransaction_ = 0;
};

}  // namespace zaq
