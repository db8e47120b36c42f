/* The resource identifiers and the version string, for the resource script
   and the code alike. The resource compiler runs the C preprocessor on this
   file, so it holds preprocessor definitions only. */
#ifndef ORBEK_RESOURCE_IDS_H
#define ORBEK_RESOURCE_IDS_H

#define IDI_PROGRAM 128
#define IDD_CONDITIONS 130
#define IDD_PROGRESS 131

/* Controls of the conditions dialog; the execute and cancel buttons' ids are
   also its modal results. */
#define IDC_COMPANY_TEXT 1004
#define IDC_PERIOD_TEXT 1005
#define IDC_SEIZO_TEXT 1008
#define IDC_BUSINESS_RADIO 1010
#define IDC_REAL_ESTATE_RADIO 1011
#define IDC_OTHER_RADIO 1012
#define IDC_EXECUTE 1013
#define IDC_CANCEL 1014
#define IDC_OUTPUT_GROUP 1015
#define IDC_PATH_EDIT 1016
#define IDC_BROWSE 1017

/* The bars of the progress window. */
#define IDC_MAIN_BAR 1018
#define IDC_ACTIVITY_BAR 1019

/* The release of the income-tax application's import format this program
   writes (CONNECTEDPROGRAMVER). */
#define IDS_CONNECTEDPROGRAMVER 1
#define CONNECTEDPROGRAMVER_TEXT "17.00.00"

#endif
