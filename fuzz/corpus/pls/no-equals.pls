[playlist]
File7
Title7=Seven
