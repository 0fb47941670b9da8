#pragma once
// A simulated radio for trying the programmer without one: runs orlex-k7-sim (paced at 9600 baud, so the
// progress bar moves as with a real radio) as a child process on a pseudo-terminal and makes that terminal
// port 1 (ORLEX_K7_PORTS). The simulator is stopped when this object goes.

#include <QString>

class QProcess;

class SimulatedRadio {
public:
    SimulatedRadio() = default;
    ~SimulatedRadio();
    SimulatedRadio(const SimulatedRadio &) = delete;
    SimulatedRadio &operator=(const SimulatedRadio &) = delete;

    // orlex-k7-sim beside the running executable.
    static QString simulatorBesideProgram();

    // Starts the simulator, with the radio's memory from `imageFile` when given. Returns an empty text when
    // the simulator runs and port 1 names its device, otherwise one line saying what went wrong.
    QString start(const QString &simulatorPath, const QString &imageFile = QString(), bool pace = true);
    void stop();

    QString device() const { return m_device; }
    bool isRunning() const;

private:
    QProcess *m_process = nullptr;
    QString m_device;
};
