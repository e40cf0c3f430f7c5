#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace norvo::replay {

// Collects what the front end reports of the panel's errors while a key is
// handled (its event boundary logs them), for the script to print.
class BoundaryReports {
public:
    BoundaryReports();
    ~BoundaryReports();
    BoundaryReports(const BoundaryReports&) = delete;
    BoundaryReports& operator=(const BoundaryReports&) = delete;

    // Throws what was reported, if anything.
    void rethrow() const;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text);

    static inline QStringList lines_;
    static inline QtMessageHandler previous_ = nullptr;
};

} // namespace norvo::replay
