#pragma once
// Published data sets the golden tests use; each names its source.
#include <vector>

// qcc, tests/testthat/test-capability.R: 3 subgroups of 4, LSL 9.9, USL 10.1, target 10.0.
inline const std::vector<double> QccCapability{10.00, 10.02, 9.98, 10.01, 10.03, 9.99,
                                               10.01, 10.00, 9.97, 10.04, 10.02, 9.99};

// SAS/QC User's Guide, CAPABILITY procedure, data set Cans (Figure 5.2).
inline const std::vector<double> SasCans{
    12.07, 12.02, 12.00, 12.01, 11.98, 11.96, 12.04, 12.05, 12.01, 11.97, 12.03, 12.03, 12.00, 12.04, 11.96,
    12.02, 12.06, 12.00, 12.02, 11.91, 12.05, 11.98, 11.91, 12.01, 12.06, 12.02, 12.05, 11.90, 12.07, 11.98,
    12.02, 12.11, 12.00, 11.99, 11.95, 11.98, 12.05, 12.00, 12.10, 12.04, 12.06, 12.04, 11.99, 12.06, 11.99,
    12.07, 11.96, 11.97, 12.00, 11.97, 12.09, 11.99, 11.95, 11.99, 11.99, 11.96, 11.94, 12.03, 12.09, 12.03,
    11.99, 12.00, 12.05, 12.04, 12.05, 12.01, 11.97, 11.93, 12.00, 11.97, 12.13, 12.07, 12.00, 11.96, 11.99,
    11.97, 12.05, 11.94, 11.99, 12.02, 11.95, 11.99, 11.91, 12.06, 12.03, 12.06, 12.05, 12.04, 12.03, 11.98,
    12.05, 12.05, 12.11, 11.96, 12.00, 11.96, 11.96, 12.00, 12.01, 11.98};

// SAS/QC User's Guide, MACONTROL, tire diameters (Output 9.4.1).
inline const std::vector<double> SasTires{24.05, 23.99, 23.95, 23.93, 23.97, 24.02, 24.06, 24.10, 23.98, 24.03,
                                          23.91, 24.06, 24.06, 23.96, 23.98, 24.06, 24.01, 24.00, 23.93, 23.92,
                                          24.09, 24.11, 24.05, 23.98, 23.98, 24.06, 24.02, 24.06, 23.97, 23.96};

// JASP quality-control module, test-variablesChartsIndividuals.R ("verified with Minitab").
inline std::vector<double> JaspIndividuals()
{
    std::vector<double> x{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0.48, 0.49, 0.51, 0.52, 0.53, 0.54};
    x.insert(x.end(), 15, 0.55);
    x.insert(x.end(), 8, -1.0);
    x.push_back(2);
    return x;
}
